#include "store/Schema.h"

#include "store/Connection.h"
#include "store/WriteTransaction.h"

#include <QSet>

namespace veldra::store
{

namespace
{

const char *const kRequiredObjects[] = {"documents",    "documents_fts", "documents_ai", "documents_ad",
                                        "documents_au", "history",       "bookmarks"};

SchemaCheck Damaged(const QString &reason)
{
    return SchemaCheck{SchemaState::Damaged, reason};
}

// A failure of the file's own bytes is damage; any other failure is the caller's.
Result<SchemaCheck> DamageOrError(const Connection &connection, const QString &error)
{
    if (connection.lastFailureIsDamage())
        return Damaged(error);
    return Error{error};
}

} // namespace

QStringList SchemaStatements()
{
    return {
        // The body comes last: the columns before it are read without the
        // pages the body fills.
        QStringLiteral("CREATE TABLE documents ("
                       " id INTEGER PRIMARY KEY,"
                       " file_name TEXT NOT NULL UNIQUE,"
                       " subject TEXT NOT NULL,"
                       " author TEXT NOT NULL,"
                       " local_path TEXT NOT NULL,"
                       " etag TEXT NOT NULL,"
                       " last_modified TEXT NOT NULL,"
                       " fetched_at INTEGER NOT NULL,"
                       " off_server INTEGER NOT NULL DEFAULT 0,"
                       " read_at INTEGER,"
                       " updated_since_read INTEGER NOT NULL DEFAULT 0,"
                       " body TEXT NOT NULL)"),
        // The last word of a query is a prefix; one of three letters would
        // otherwise be expanded to hundreds of words, merged on every search.
        // The index of those prefixes costs a fifth more space and build time.
        QStringLiteral("CREATE VIRTUAL TABLE documents_fts USING fts5("
                       "subject, author, body, content = 'documents', content_rowid = 'id',"
                       " tokenize = 'unicode61 remove_diacritics 2', prefix = '3')"),
        QStringLiteral("CREATE TRIGGER documents_ai AFTER INSERT ON documents BEGIN"
                       " INSERT INTO documents_fts (rowid, subject, author, body)"
                       " VALUES (new.id, new.subject, new.author, new.body); END"),
        QStringLiteral("CREATE TRIGGER documents_ad AFTER DELETE ON documents BEGIN"
                       " INSERT INTO documents_fts (documents_fts, rowid, subject, author, body)"
                       " VALUES ('delete', old.id, old.subject, old.author, old.body); END"),
        // Only a change of the text touches the index; fetch times and flags do not.
        QStringLiteral("CREATE TRIGGER documents_au AFTER UPDATE OF subject, author, body ON documents"
                       " WHEN old.subject IS NOT new.subject OR old.author IS NOT new.author"
                       " OR old.body IS NOT new.body BEGIN"
                       " INSERT INTO documents_fts (documents_fts, rowid, subject, author, body)"
                       " VALUES ('delete', old.id, old.subject, old.author, old.body);"
                       " INSERT INTO documents_fts (rowid, subject, author, body)"
                       " VALUES (new.id, new.subject, new.author, new.body); END"),
        QStringLiteral("CREATE TABLE history ("
                       " file_name TEXT PRIMARY KEY, subject TEXT NOT NULL, read_at INTEGER NOT NULL)"),
        QStringLiteral("CREATE TABLE bookmarks ("
                       " file_name TEXT PRIMARY KEY, subject TEXT NOT NULL, added_at INTEGER NOT NULL)"),
        QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion),
    };
}

Result<SchemaCheck> InspectSchema(Connection &connection)
{
    const Result<QVariant> version = connection.value(QStringLiteral("PRAGMA user_version"));
    if (!version)
        return DamageOrError(connection, version.error());
    Result<QSqlQuery> objects =
        connection.run(QStringLiteral("SELECT name FROM sqlite_master WHERE type IN ('table', 'trigger')"));
    if (!objects)
        return DamageOrError(connection, objects.error());
    QSet<QString> names;
    while (objects.value().next())
        names.insert(objects.value().value(0).toString());
    objects.value().finish();

    if (version.value().toInt() == 0 && names.isEmpty())
        return SchemaCheck{SchemaState::Empty, {}};
    if (version.value().toInt() != kSchemaVersion)
        return Damaged(QStringLiteral("schema version %1").arg(version.value().toInt()));
    for (const char *required : kRequiredObjects) {
        if (!names.contains(QLatin1String(required)))
            return Damaged(QStringLiteral("no %1").arg(QLatin1String(required)));
    }

    // Reads every page once: a truncated file or a damaged page shows here
    // rather than in the middle of the user's work.
    const Result<QVariant> check = connection.value(QStringLiteral("PRAGMA quick_check(1)"));
    if (!check)
        return DamageOrError(connection, check.error());
    if (check.value().toString() != QLatin1String("ok"))
        return Damaged(check.value().toString());
    return SchemaCheck{SchemaState::Current, {}};
}

Status CreateSchema(Connection &connection)
{
    WriteTransaction transaction(connection);
    if (Status begun = transaction.begin(); !begun)
        return begun;
    const Result<QVariant> version = connection.value(QStringLiteral("PRAGMA user_version"));
    if (!version)
        return Error{version.error()};
    if (version.value().toInt() == kSchemaVersion)
        return {}; // another connection made them first
    for (const QString &statement : SchemaStatements()) {
        if (const Result<QSqlQuery> done = connection.run(statement); !done)
            return Error{done.error()};
    }
    return transaction.commit();
}

} // namespace veldra::store
