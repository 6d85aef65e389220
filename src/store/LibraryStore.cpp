#include "store/LibraryStore.h"

#include "store/Connection.h"
#include "store/Log.h"
#include "store/MarkedText.h"
#include "store/StoredTime.h"
#include "store/WriteTransaction.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

namespace veldra::store
{

namespace
{

// A validator longer than any server sends is not kept: the next request is
// then an unconditional one.
QString Validator(const QString &value)
{
    return value.size() <= Limits::kMaxValidatorChars ? CleanText(value, Limits::kMaxValidatorChars) : QString();
}

// Existing rows keep their id, so the update trigger replaces their index
// entry. New text for a document that was read marks it; the comparison sees
// the old row, as every assignment of an upsert does.
const QLatin1String kUpsertDocument(
    "INSERT INTO documents (file_name, subject, author, body, local_path, etag, last_modified, fetched_at)"
    " VALUES (?, ?, ?, ?, ?, ?, ?, ?)"
    " ON CONFLICT (file_name) DO UPDATE SET"
    " updated_since_read = CASE WHEN read_at IS NOT NULL AND (subject IS NOT excluded.subject"
    " OR author IS NOT excluded.author OR body IS NOT excluded.body) THEN 1 ELSE updated_since_read END,"
    " subject = excluded.subject, author = excluded.author, body = excluded.body,"
    " local_path = excluded.local_path, etag = excluded.etag, last_modified = excluded.last_modified,"
    " fetched_at = excluded.fetched_at, off_server = 0");

} // namespace

Status CheckStoreFileName(const QString &fileName)
{
    if (fileName.isEmpty() || fileName.size() > Limits::kMaxFileNameChars)
        return Error{QCoreApplication::translate("store", "The library store takes no document named \"%1\".")
                         .arg(fileName.left(Limits::kMaxFileNameChars))};
    return {};
}

Result<std::unique_ptr<LibraryStore>> LibraryStore::open(const QString &path)
{
    std::unique_ptr<LibraryStore> store(new LibraryStore);
    const Result<OpenOutcome> outcome = OpenStoreFile(*store->m_connection, path);
    if (!outcome)
        return Error{outcome.error()};
    store->m_outcome = outcome.value();
    qCDebug(lcStore) << "opened" << path << "outcome" << int(outcome.value());
    return store;
}

LibraryStore::LibraryStore()
    : m_connection(std::make_unique<Connection>())
{
}

LibraryStore::~LibraryStore() = default;

QString LibraryStore::path() const
{
    return m_connection->path();
}

Status LibraryStore::indexDocument(const DocumentText &document)
{
    if (Status name = CheckStoreFileName(document.fileName); !name)
        return name;
    if (document.localPath.size() > Limits::kMaxPathChars)
        return Error{QCoreApplication::translate("store", "The path of %1 is too long for the library store.")
                         .arg(document.fileName)};
    const QDateTime fetched = document.fetchedAt.isValid() ? document.fetchedAt : QDateTime::currentDateTimeUtc();
    // One statement, so one transaction with the index entry its trigger writes.
    const Result<QSqlQuery> done = m_connection->run(
        kUpsertDocument,
        {document.fileName, CleanText(document.subject, Limits::kMaxSubjectChars),
         CleanText(document.author, Limits::kMaxAuthorChars), CleanText(document.body, Limits::kMaxBodyChars),
         document.localPath, Validator(document.etag), Validator(document.lastModified), StoredTime(fetched)});
    if (!done)
        return Error{done.error()};
    return {};
}

Status LibraryStore::markListed(const QStringList &listedFileNames)
{
    const QSet<QString> listed(listedFileNames.begin(), listedFileNames.end());
    WriteTransaction transaction(*m_connection);
    if (Status begun = transaction.begin(); !begun)
        return begun;
    Result<QSqlQuery> rows = m_connection->run(QStringLiteral("SELECT id, file_name, off_server FROM documents"));
    if (!rows)
        return Error{rows.error()};
    QHash<qint64, bool> changes; // id -> off the server now
    while (rows.value().next()) {
        const bool off = !listed.contains(rows.value().value(1).toString());
        if (off != rows.value().value(2).toBool())
            changes.insert(rows.value().value(0).toLongLong(), off);
    }
    rows.value().finish();
    for (auto it = changes.cbegin(); it != changes.cend(); ++it) {
        const Result<QSqlQuery> set = m_connection->run(
            QStringLiteral("UPDATE documents SET off_server = ? WHERE id = ?"), {int(it.value()), it.key()});
        if (!set)
            return Error{set.error()};
    }
    return transaction.commit();
}

Result<std::optional<DocumentState>> LibraryStore::document(const QString &fileName)
{
    Result<QSqlQuery> row = m_connection->run(
        QStringLiteral("SELECT subject, local_path, etag, last_modified, fetched_at, read_at, off_server,"
                       " updated_since_read FROM documents WHERE file_name = ?"),
        {fileName});
    if (!row)
        return Error{row.error()};
    QSqlQuery &q = row.value();
    if (!q.next())
        return std::optional<DocumentState>();
    DocumentState state;
    state.fileName = fileName;
    state.subject = q.value(0).toString();
    state.localPath = q.value(1).toString();
    state.etag = q.value(2).toString();
    state.lastModified = q.value(3).toString();
    state.fetchedAt = TimeFromStore(q.value(4));
    state.readAt = TimeFromStore(q.value(5));
    state.offServer = q.value(6).toBool();
    state.updatedSinceRead = q.value(7).toBool();
    return std::optional<DocumentState>(state);
}

} // namespace veldra::store
