#include "offline/StoredDocument.h"

#include "document/BoxDocument.h"
#include "faq/FaqBody.h"
#include "rtf/RtfReader.h"

#include <QFileInfo>
#include <QTextDocument>

namespace veldra::offline
{

QString BodyPlainText(QByteArrayView bodyLines)
{
    if (!document::IsRichText(bodyLines))
        return document::PlainTextOf(bodyLines);
    QTextDocument doc;
    doc.setUndoRedoEnabled(false);
    rtf::ReadRtf(bodyLines, &doc);
    return doc.toPlainText();
}

Result<store::DocumentText> ReadStoredDocument(const QString &fileName, const QString &path, const QString &etag,
                                               const QString &lastModified, QDateTime fetchedAt)
{
    Result<faq::FaqDocument> read = faq::ReadFaqDocument(path);
    if (!read)
        return Error{read.error()};
    store::DocumentText doc;
    doc.fileName = fileName;
    doc.subject = read->header.Subject;
    doc.author = read->header.Author;
    doc.body = BodyPlainText(read->bodyLines);
    doc.localPath = path;
    doc.etag = etag;
    doc.lastModified = lastModified;
    doc.fetchedAt = fetchedAt.isValid() ? fetchedAt : QFileInfo(path).lastModified().toUTC();
    return doc;
}

} // namespace veldra::offline
