#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace veldra::shell
{

// The window of "Make the library available offline": how many documents and
// bytes are done, and a Cancel that stops at once. Closing it cancels too.
class SyncWindow : public QDialog
{
    Q_OBJECT
public:
    explicit SyncWindow(QWidget *owner);

    void showProgress(int done, int total, qint64 bytes);
    // The last step before the summary: the window can only wait now.
    void setCancelling();

signals:
    void cancelRequested();

protected:
    void reject() override;

private:
    QLabel *m_status;
    QProgressBar *m_bar;
    QPushButton *m_cancel;
};

} // namespace veldra::shell
