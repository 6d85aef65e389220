#pragma once

#include <QByteArray>

namespace veldra::text
{
class TextFileReader;
}

namespace veldra::faq
{

// The body of a document as its work file holds it: every field that stands
// after a "[body]" field and before the next "[/body]" field (letter case
// ignored; the marker fields themselves never), sections one after the other,
// each field followed by CR LF, in the document's own Windows-1252 bytes.
QByteArray ReadBodyLines(text::TextFileReader &doc);

} // namespace veldra::faq
