#pragma once

#include <QString>

namespace veldra::platform
{
class RichTextBox;
}

namespace veldra::faq
{

// Shows the body of the document at `path` in `box`: the fields between
// "[body]" and "[/body]" markers, one per line, through the work file
// path + ".tmp", which is gone again afterwards. Failures are silent; the box
// keeps what it held when the failure happened (empty from the first step on).
void LoadFaqBody(QString &path, platform::RichTextBox &box);

} // namespace veldra::faq
