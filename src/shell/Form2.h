#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

namespace veldra::shell
{

// The progress window: caption, a status line and an optional bar, and a row
// below them with Cancel, which can be pressed while a download runs. Closing
// it unloads it; ProgressWindow creates the next one.
class Form2 : public QWidget
{
    Q_OBJECT
public:
    explicit Form2(QWidget *owner);

    void ShowProgress(const QString &caption, const QString &status, bool showStatus, bool showBar);
    void setValue(int value);
    void setMaximum(int maximum);
    void setStatus(const QString &text, bool repaintNow);
    // Cancel (also Escape) can be pressed only while there is something to cancel.
    void setCancelEnabled(bool enabled);

    // Outer height in twips as last set by ShowProgress (0 until then).
    int outerHeightTwips() const { return m_outerTwips; }

signals:
    void unloaded();
    void cancelClicked();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setOuterHeightTwips(int twips);
    void placeCancel(int clientTwips);

    QLabel *Status;
    QProgressBar *Prog;
    QPushButton *cmdCancel;
    int m_outerTwips = 0;
};

} // namespace veldra::shell
