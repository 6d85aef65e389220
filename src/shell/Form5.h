#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace veldra::settings
{
class Module1;
}

namespace veldra::shell
{

// The proxy dialog. Its load step fills the boxes from the shared proxy values;
// OK stores the edited values, Cancel drops them. Either unloads the dialog.
class Form5 : public QDialog
{
    Q_OBJECT
public:
    Form5(settings::Module1 &state, QWidget *owner);

    void cmdOK_Click();
    void cmdCancel_Click();

    void done(int result) override;

signals:
    // The dialog was closed; it is deleted soon after and never shown again.
    void unloaded();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Load();

    settings::Module1 &m_state;
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
    QLineEdit *HTTP, *HTTP_Port, *FTP, *FTP_PORT;
    QPushButton *cmdOK, *cmdCancel;
    QLabel *Picture1;
};

} // namespace veldra::shell
