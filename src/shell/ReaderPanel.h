#pragma once

#include "text/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QLineEdit;

namespace veldra::richtext
{
class RichTextBox;
}
namespace veldra::settings
{
class Module1;
}

namespace veldra::shell
{

// The reader panel's widgets, as FillInFAQ fills them.
struct ReaderPanel {
    QLineEdit *txtSubject = nullptr;
    QLineEdit *txtAuthor = nullptr;
    QLineEdit *txtVersion = nullptr;
    QLineEdit *txtWebsite = nullptr;
    richtext::RichTextBox *txtFAQ = nullptr;
};

// Fills the panel from the shared FaqFile, which is stored back trimmed. The
// error is the description of a document that could not be read; what was
// filled before the failure stays.
Status FillReaderPanel(ReaderPanel &ui, settings::Module1 &state);

// Shows a document's body (its fields as ReadBodyLines gives them) in `box`
// through the work file path + ".tmp", which is gone again afterwards, with
// the links of each of `linkPrefixes` marked one prefix after the other. The
// document is made ready on a thread of its own while events run; a newer
// text shown in the box meanwhile wins. Failures are silent: the box stays
// empty.
void ShowReaderBody(const QString &path, QByteArray bodyLines, richtext::RichTextBox &box,
                    const QStringList &linkPrefixes);

} // namespace veldra::shell
