#pragma once

#include <QString>

namespace veldra::richtext
{
class RichTextBox;
}

namespace veldra::links
{

// The word around character `index` (counted from 0) of a text whose lines end
// in CR LF. Looking back, a space, CR or LF ends the word; looking forward, a
// space or CR does, but an LF does not, so a character index on an LF gives the
// first word of the next line. Tabs and punctuation belong to the word. Empty
// when `index` is outside the text or on a delimiter.
QString ScanWord(const QString &text, int index);

// The same word in a rich-text box, found from the line under `index` alone so
// that a pointer move costs as much in a long document as in a short one.
QString WordAtIndex(const richtext::RichTextBox &box, int index);

} // namespace veldra::links
