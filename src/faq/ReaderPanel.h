#pragma once

#include <QString>

class QLineEdit;
class QWidget;
class TransferChannel;
namespace platform
{
class RichTextBox;
}

// The reader panel's widgets, as FillInFAQ fills them.
struct ReaderPanel {
    QLineEdit *txtSubject = nullptr;
    QLineEdit *txtAuthor = nullptr;
    QLineEdit *txtVersion = nullptr;
    QLineEdit *txtWebsite = nullptr;
    platform::RichTextBox *txtFAQ = nullptr;
};

// Fills the panel from Module1::FaqFile.
void FillInFAQ(ReaderPanel &ui);

// Downloads `fileName` from the server folder `baseUrl` into Module1::AppDir and
// sets Module1::FaqFile. Returns true when the reader should now be shown.
bool DownloadFaq(TransferChannel &HTTP, const QString &fileName, const QString &baseUrl, QWidget *owner);
