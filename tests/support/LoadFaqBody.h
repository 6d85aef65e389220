#pragma once

// A body loaded into a box on its own, through the work file, as the reader
// shows one: the tests hold the body's rules to this.

#include "faq/FaqBody.h"
#include "richtext/RichTextBox.h"
#include "shell/ReaderPanel.h"
#include "text/TextFile.h"

#include <QString>

namespace testsupport
{

// Shows the body of the document at `path` in `box`: the fields between
// "[body]" and "[/body]" markers, one per line, through the work file
// path + ".tmp", which is gone again afterwards. Failures are silent; the box
// keeps what it held when the failure happened (empty from the first step on).
inline void LoadFaqBody(QString &path, veldra::richtext::RichTextBox &box)
{
    box.setText(QString());
    veldra::text::TextFileReader doc;
    if (!doc.open(path))
        return;
    veldra::shell::ShowReaderBody(path, veldra::faq::ReadBodyLines(doc), box, {});
}

} // namespace testsupport
