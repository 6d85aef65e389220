#pragma once

#include <QString>

namespace veldra::richtext
{
class RichTextBox;
}

namespace veldra::faq
{

// The colour of a marked link: pure blue, as 0xBBGGRR.
constexpr unsigned int kLinkColor = 0xFF0000;

// Marks every link that starts with `prefix` (letter case ignored) in blue with
// the link attribute. A link runs to the next space or line break; one at index 0
// is not looked for. Appends two spaces to the box's text on every call. The
// caret ends one character after the start of the last link.
void HighlightLinks(richtext::RichTextBox &box, const QString &prefix);

} // namespace veldra::faq
