#pragma once

#include <QByteArrayView>

class QTextDocument;

namespace veldra::rtf
{

// Reads an RTF document into `doc` (which is cleared first), formatted. Never
// throws, never crashes on malformed input: what could be read is shown.
// Returns false when the data is not RTF at all.
bool ReadRtf(QByteArrayView data, QTextDocument *doc);

} // namespace veldra::rtf
