#include "store/Connection.h"

#include "store/Log.h"

#include <QCoreApplication>

namespace veldra::store
{

namespace
{

// SQLite's primary result codes for a damaged file (SQLITE_CORRUPT) and for
// one that holds no database at all (SQLITE_NOTADB); extended codes keep the
// primary one in their low byte.
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;

bool IsDamage(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff;
    return ok && (code == kSqliteCorrupt || code == kSqliteNotADatabase);
}

} // namespace

Connection::Connection()
    // The address is unique among the connections alive in this process, and a
    // connection never moves.
    : m_name(QStringLiteral("veldra.store.%1").arg(quintptr(this), 0, 16))
{
}

Connection::~Connection()
{
    close();
}

Status Connection::open(const QString &path)
{
    close();
    m_path = path;
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    m_db.setDatabaseName(path);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (!m_db.open())
        return failure(QStringLiteral("open"), m_db.lastError());
    // WAL is a property of the file, kept once set; NORMAL syncs at checkpoints,
    // which in WAL mode may lose the last transactions on a power cut but never
    // leaves the file inconsistent.
    const Result<QVariant> mode = value(QStringLiteral("PRAGMA journal_mode = WAL"));
    if (!mode)
        return Error{mode.error()};
    if (mode.value().toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
        qCWarning(lcStore) << "no write-ahead log for" << path << "- journal mode" << mode.value().toString();
    if (const Result<QSqlQuery> sync = run(QStringLiteral("PRAGMA synchronous = NORMAL")); !sync)
        return Error{sync.error()};
    return {};
}

void Connection::close()
{
    if (!m_db.isValid())
        return;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}

Result<QSqlQuery> Connection::run(const QString &sql, const QVariantList &values)
{
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        return failure(sql, query.lastError());
    for (int i = 0; i < values.size(); ++i) {
        // A null QString would be bound as NULL; the store's texts are never NULL.
        const QVariant &value = values[i];
        const bool nullText = value.typeId() == QMetaType::QString && value.toString().isNull();
        query.bindValue(i, nullText ? QVariant(QString(QLatin1String(""))) : value);
    }
    if (!query.exec())
        return failure(sql, query.lastError());
    m_lastFailureIsDamage = false;
    return query;
}

Result<QVariant> Connection::value(const QString &sql, const QVariantList &values)
{
    Result<QSqlQuery> query = run(sql, values);
    if (!query)
        return Error{query.error()};
    if (!query.value().next()) {
        if (query.value().lastError().isValid())
            return failure(sql, query.value().lastError());
        return QVariant();
    }
    return query.value().value(0);
}

Error Connection::failure(const QString &sql, const QSqlError &error)
{
    m_lastFailureIsDamage = IsDamage(error);
    qCDebug(lcStore) << "failed:" << sql << error.nativeErrorCode() << error.text();
    const QString reason = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return Error{QCoreApplication::translate("store", "The library store %1 cannot be used: %2").arg(m_path, reason)};
}

} // namespace veldra::store
