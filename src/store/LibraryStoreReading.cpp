#include "store/LibraryStore.h"

#include "store/Connection.h"
#include "store/MarkedText.h"
#include "store/StoredTime.h"
#include "store/WriteTransaction.h"

#include <QCoreApplication>

namespace veldra::store
{

namespace
{

QString Subject(const QString &subject)
{
    return CleanText(subject, Limits::kMaxSubjectChars);
}

QVariant When(const QDateTime &when)
{
    return StoredTime(when.isValid() ? when : QDateTime::currentDateTimeUtc());
}

Result<QList<ReadingEntry>> Entries(Result<QSqlQuery> rows)
{
    if (!rows)
        return Error{rows.error()};
    QList<ReadingEntry> entries;
    while (rows.value().next())
        entries.append(ReadingEntry{rows.value().value(0).toString(), rows.value().value(1).toString(),
                                    TimeFromStore(rows.value().value(2))});
    return entries;
}

Status Done(const Result<QSqlQuery> &done)
{
    if (!done)
        return Error{done.error()};
    return {};
}

} // namespace

Status LibraryStore::recordRead(const QString &fileName, const QString &subject, const QDateTime &when)
{
    if (Status name = CheckStoreFileName(fileName); !name)
        return name;
    const QVariant time = When(when);
    WriteTransaction transaction(*m_connection);
    if (Status begun = transaction.begin(); !begun)
        return begun;
    if (Status done = Done(m_connection->run(
            QStringLiteral("UPDATE documents SET read_at = ?, updated_since_read = 0 WHERE file_name = ?"),
            {time, fileName}));
        !done)
        return done;
    if (Status done = Done(m_connection->run(
            QStringLiteral("INSERT INTO history (file_name, subject, read_at) VALUES (?, ?, ?) ON CONFLICT"
                           " (file_name) DO UPDATE SET subject = excluded.subject, read_at = excluded.read_at"),
            {fileName, Subject(subject), time}));
        !done)
        return done;
    if (Status trimmed = Done(m_connection->run(QStringLiteral("DELETE FROM history WHERE file_name NOT IN"
                                                               " (SELECT file_name FROM history"
                                                               " ORDER BY read_at DESC, rowid DESC LIMIT ?)"),
                                                {Limits::kMaxHistory}));
        !trimmed)
        return trimmed;
    return transaction.commit();
}

Result<QList<ReadingEntry>> LibraryStore::recentReads(int max)
{
    return Entries(m_connection->run(
        QStringLiteral("SELECT file_name, subject, read_at FROM history ORDER BY read_at DESC, rowid DESC LIMIT ?"),
        {qBound(0, max, Limits::kMaxHistory)}));
}

Status LibraryStore::removeRead(const QString &fileName)
{
    return Done(m_connection->run(QStringLiteral("DELETE FROM history WHERE file_name = ?"), {fileName}));
}

Status LibraryStore::addBookmark(const QString &fileName, const QString &subject, const QDateTime &when)
{
    if (Status name = CheckStoreFileName(fileName); !name)
        return name;
    // The count and the insert in one statement: a full list takes no new name.
    Result<QSqlQuery> added =
        m_connection->run(QStringLiteral("INSERT INTO bookmarks (file_name, subject, added_at) SELECT ?, ?, ?"
                                         " WHERE EXISTS (SELECT 1 FROM bookmarks WHERE file_name = ?)"
                                         " OR (SELECT count(*) FROM bookmarks) < ?"
                                         " ON CONFLICT (file_name) DO UPDATE SET subject = excluded.subject"),
                          {fileName, Subject(subject), When(when), fileName, Limits::kMaxBookmarks});
    if (!added)
        return Error{added.error()};
    if (added.value().numRowsAffected() == 0)
        return Error{
            QCoreApplication::translate("store", "No more than %1 bookmarks can be kept.").arg(Limits::kMaxBookmarks)};
    return {};
}

Status LibraryStore::removeBookmark(const QString &fileName)
{
    return Done(m_connection->run(QStringLiteral("DELETE FROM bookmarks WHERE file_name = ?"), {fileName}));
}

Result<bool> LibraryStore::toggleBookmark(const QString &fileName, const QString &subject, const QDateTime &when)
{
    WriteTransaction transaction(*m_connection);
    if (Status begun = transaction.begin(); !begun)
        return Error{begun.error()};
    const Result<bool> present = isBookmarked(fileName);
    if (!present)
        return present;
    const Status changed = present.value() ? removeBookmark(fileName) : addBookmark(fileName, subject, when);
    if (!changed)
        return Error{changed.error()};
    if (Status committed = transaction.commit(); !committed)
        return Error{committed.error()};
    return !present.value();
}

Result<bool> LibraryStore::isBookmarked(const QString &fileName)
{
    const Result<QVariant> found =
        m_connection->value(QStringLiteral("SELECT 1 FROM bookmarks WHERE file_name = ?"), {fileName});
    if (!found)
        return Error{found.error()};
    return !found.value().isNull();
}

Result<QList<ReadingEntry>> LibraryStore::bookmarks()
{
    return Entries(m_connection->run(QStringLiteral("SELECT file_name, subject, added_at FROM bookmarks"
                                                    " ORDER BY added_at DESC, rowid DESC LIMIT ?"),
                                     {Limits::kMaxBookmarks}));
}

} // namespace veldra::store
