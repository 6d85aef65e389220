#pragma once

#include "text/Result.h"

#include <QString>

namespace veldra::faq
{

// The header of a FAQ document: the last value of each key in the file.
struct FaqHeader {
    QString Subject;
    QString Author;
    QString AuthorEmail;
    QString Version;
    QString AuthorWebsite;
    QString FileName;  // the path that was read, trimmed; empty when nothing was read
    QString ErrorText; // "Error, no file!" for an empty path
};

// The key a field starts with ("subject", "author", "authoremail", "version",
// "authorwebsite"), or empty text.
QString DetectHeaderKey(const QString &field);

// Stores the value of a header field (with its blanks already trimmed) in the
// record, in the place of its key; false when the field carries no key.
bool StoreHeaderField(FaqHeader &header, const QString &field);

} // namespace veldra::faq
