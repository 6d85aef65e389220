#pragma once

#include <QString>

namespace veldra::platform
{
class RichTextBox;
}

namespace veldra::faq
{

// Marks every link that starts with `prefix` (letter case ignored) in blue with
// the link attribute. A link runs to the next space or line break; one at index 0
// is not looked for. Appends two spaces to the box's text on every call.
void HighlightLinks(platform::RichTextBox &box, const QString &prefix);

} // namespace veldra::faq
