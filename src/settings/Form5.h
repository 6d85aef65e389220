#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The proxy dialog. At most one exists; closing it destroys it, and the next use
// loads it afresh from the shared proxy values.
class Form5 : public QDialog
{
    Q_OBJECT
public:
    // The dialog, loaded (hidden) when it does not exist.
    static Form5 *Get(QWidget *owner = nullptr);
    static Form5 *Existing();

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
    QLineEdit *HTTP, *HTTP_Port, *FTP, *FTP_PORT;
    QPushButton *cmdOK, *cmdCancel;
    QLabel *Picture1;

    void cmdOK_Click();
    void cmdCancel_Click();

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    explicit Form5(QWidget *owner);
    void Form_Load();
};
