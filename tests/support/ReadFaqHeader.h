#pragma once

// The header of a document read on its own, the plain way: the program reads
// header and body in one pass (ReadFaqDocument); the tests hold the header's
// rules to this.

#include "faq/FaqHeader.h"
#include "text/TextFile.h"
#include "text/Trim.h"

#include <QString>

namespace testsupport
{

// Trims `path` in the caller's variable, then reads the header of that file.
// Every field of the file counts, body lines included. When the file cannot be
// opened or read, the error is the system's description.
inline veldra::Result<veldra::faq::FaqHeader> ReadFaqHeader(QString &path)
{
    // Spaces and tabs count alike, as they do before a field.
    path = veldra::text::TrimBlanks(path);
    veldra::faq::FaqHeader header;
    if (path.isEmpty()) {
        header.ErrorText = QStringLiteral("Error, no file!");
        return header;
    }
    veldra::text::TextFileReader file;
    if (const veldra::Status opened = file.open(path); !opened)
        return veldra::Error{opened.error()};
    while (!file.atEnd())
        StoreHeaderField(header, veldra::text::TrimBlanks(veldra::text::ReadTextField(file)));
    header.FileName = path;
    return header;
}

} // namespace testsupport
