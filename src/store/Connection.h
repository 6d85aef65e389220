#pragma once

#include "text/Result.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

namespace veldra::store
{

// One SQLite connection of the store, under a connection name of its own (so
// that several stores, or two connections to one file, live in one process),
// removed again when it closes. Every connection waits for another one's write
// lock (kBusyTimeoutMs) instead of failing, and keeps a write-ahead log, so a
// second running program reads while this one writes and neither can leave the
// file half-written. Values are always bound, never written into SQL text.
// A connection is used from the thread that opened it.
class Connection
{
public:
    static constexpr int kBusyTimeoutMs = 10000;

    Connection();
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Opens `path`, creating an empty file when there is none. A file that is
    // not a database opens too; its first statement fails as damage.
    Status open(const QString &path);
    void close();
    bool isOpen() const { return m_db.isOpen(); }
    const QString &path() const { return m_path; }

    // Prepares `sql`, binds `values` in order and runs it; the query is
    // returned positioned before its first row.
    Result<QSqlQuery> run(const QString &sql, const QVariantList &values = {});
    // The first column of the first row (null when there is no row).
    Result<QVariant> value(const QString &sql, const QVariantList &values = {});

    // Whether the last failure said that the file is damaged or no database.
    bool lastFailureIsDamage() const { return m_lastFailureIsDamage; }

private:
    Error failure(const QString &sql, const QSqlError &error);

    QString m_name;
    QString m_path;
    QSqlDatabase m_db;
    bool m_lastFailureIsDamage = false;
};

} // namespace veldra::store
