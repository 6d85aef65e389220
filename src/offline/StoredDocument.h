#pragma once

#include "store/Document.h"
#include "text/Result.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QString>

namespace veldra::offline
{

// The text the library store indexes of a document body as its work file
// holds it: rich text read as the reader shows it, anything else decoded.
QString BodyPlainText(QByteArrayView bodyLines);

// The stored copy of `fileName` at `path` as the store indexes it: subject,
// author and body text, with the validators of the answer that brought it
// (empty when unknown) and the time it arrived (the file's own time when
// invalid). The error is the system's description of a copy that cannot be read.
Result<store::DocumentText> ReadStoredDocument(const QString &fileName, const QString &path, const QString &etag = {},
                                               const QString &lastModified = {}, QDateTime fetchedAt = {});

} // namespace veldra::offline
