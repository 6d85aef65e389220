#include "offline/RebuildStore.h"

#include "offline/IndexEntries.h"
#include "offline/Log.h"
#include "offline/StoredDocument.h"
#include "store/LibraryStore.h"

#include <QFileInfo>

namespace veldra::offline
{

Result<int> IndexStoredDocuments(store::LibraryStore &store, const QString &indexFile, const QString &folder)
{
    const Result<QList<IndexEntry>> entries = ReadIndexEntries(indexFile);
    if (!entries)
        return Error{entries.error()};
    int indexed = 0;
    for (const IndexEntry &entry : entries.value()) {
        const QString path = folder + entry.fileName;
        const QFileInfo info(path);
        if (!info.isFile() || info.isSymLink())
            continue;
        const Result<store::DocumentText> doc = ReadStoredDocument(entry.fileName, path);
        if (!doc) {
            qCDebug(lcOffline) << "not indexed again:" << path << doc.error();
            continue;
        }
        if (const Status put = store.indexDocument(doc.value()); !put)
            return Error{put.error()};
        ++indexed;
    }
    return indexed;
}

} // namespace veldra::offline
