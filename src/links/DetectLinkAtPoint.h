#pragma once

#include <QString>

namespace veldra::richtext
{
class RichTextBox;
}

namespace veldra::links
{

// Finds the word under a point of `source` (x and y in twips from the box's
// top left corner) and gives `target` the matching pointer and tooltip: the hand
// and where a click leads over a link, the box's own pointer and no tooltip
// otherwise. Returns the word. A point beyond the text returns an empty word
// and leaves `target` alone. The hand's picture is read from `appDir`.
QString DetectLinkAtPoint(richtext::RichTextBox &source, float x, float y, richtext::RichTextBox &target,
                          const QString &appDir);

} // namespace veldra::links
