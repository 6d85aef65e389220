#pragma once

#include "faq/FaqHeader.h"
#include "text/Result.h"

#include <QByteArray>
#include <QString>

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

// A document as the reader shows it, read in one pass: the header as
// ReadFaqHeader gives it and the body as ReadBodyLines gives it.
struct FaqDocument {
    FaqHeader header;
    QByteArray bodyLines;
};

// Reads the document at `path` with its blanks trimmed; the header's FileName
// is the trimmed path. When the file cannot be opened or read, the error is the
// system's description.
Result<FaqDocument> ReadFaqDocument(const QString &path);

} // namespace veldra::faq
