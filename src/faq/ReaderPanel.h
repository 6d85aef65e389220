#pragma once

#include "text/Result.h"

#include <QString>

class QLineEdit;

namespace veldra::richtext
{
class RichTextBox;
}
namespace veldra::settings
{
class Module1;
}
namespace veldra::transfer
{
class Channels;
class Progress;
} // namespace veldra::transfer

namespace veldra::faq
{

// The reader panel's widgets, as FillInFAQ fills them.
struct ReaderPanel {
    QLineEdit *txtSubject = nullptr;
    QLineEdit *txtAuthor = nullptr;
    QLineEdit *txtVersion = nullptr;
    QLineEdit *txtWebsite = nullptr;
    richtext::RichTextBox *txtFAQ = nullptr;
};

// Fills the panel from the shared FaqFile (which the header reader trims in
// place). The error is the description of a document that could not be read;
// what was filled before the failure stays.
Status FillInFAQ(ReaderPanel &ui, settings::Module1 &state);

// Downloads `fileName` from the server's library folder into the program
// folder while the progress display shows it, and closes the display. Gives
// the local copy's path, which becomes the shared FaqFile, or the failure.
Result<QString> DownloadFaq(transfer::Channels &net, const settings::Module1 &state, const QString &fileName,
                            transfer::Progress &progress);

} // namespace veldra::faq
