#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace veldra::richtext
{
class RichTextBox;
}

namespace veldra::faq
{

// Shows the body of the document at `path` in `box`: the fields between
// "[body]" and "[/body]" markers, one per line, through the work file
// path + ".tmp", which is gone again afterwards. Failures are silent; the box
// keeps what it held when the failure happened (empty from the first step on).
void LoadFaqBody(QString &path, richtext::RichTextBox &box);

// The same for a body already read (ReadBodyLines), with the links of each of
// `linkPrefixes` marked as HighlightLinks marks them one prefix after the other,
// in the same pass. The document is made ready on a thread of its own while
// events run (the work file exists then); a newer text shown in the box
// meanwhile wins.
void ShowFaqBody(const QString &path, QByteArray bodyLines, richtext::RichTextBox &box,
                 const QStringList &linkPrefixes);

} // namespace veldra::faq
