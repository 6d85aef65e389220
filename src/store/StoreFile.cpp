#include "store/StoreFile.h"

#include "store/Connection.h"
#include "store/Log.h"
#include "store/Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace veldra::store
{

namespace
{

const QLatin1String kLogSuffix("-wal");

// Puts the file and its logs out of the way. A log left beside a new file
// would be read as the new file's own, so it goes too.
Status MoveAside(const QString &path)
{
    const QString aside = DamagedCopyPath(path);
    QFile::remove(aside);
    QFile::remove(aside + kLogSuffix);
    if (!QFile::rename(path, aside) && !QFile::remove(path))
        return Error{QCoreApplication::translate("store", "The damaged library store %1 cannot be removed.").arg(path)};
    if (QFile::exists(path + kLogSuffix) && !QFile::rename(path + kLogSuffix, aside + kLogSuffix) &&
        !QFile::remove(path + kLogSuffix))
        return Error{QCoreApplication::translate("store", "The damaged library store's log %1 cannot be removed.")
                         .arg(path + kLogSuffix)};
    QFile::remove(path + QLatin1String("-shm"));
    QFile::remove(path + QLatin1String("-journal"));
    return {};
}

Result<OpenOutcome> Rebuild(Connection &connection, const QString &path, const QString &reason)
{
    qCWarning(lcStore) << "the library store" << path << "is damaged (" << reason << "); it is built afresh";
    connection.close();
    if (Status moved = MoveAside(path); !moved)
        return Error{moved.error()};
    if (Status opened = connection.open(path); !opened)
        return Error{opened.error()};
    if (Status created = CreateSchema(connection); !created)
        return Error{created.error()};
    return OpenOutcome::Rebuilt;
}

} // namespace

QString DamagedCopyPath(const QString &path)
{
    return path + QLatin1String(".damaged");
}

Result<OpenOutcome> OpenStoreFile(Connection &connection, const QString &path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return Error{
            QCoreApplication::translate("store", "The folder %1 for the library store cannot be made.").arg(folder)};

    if (Status opened = connection.open(path); !opened) {
        if (connection.lastFailureIsDamage())
            return Rebuild(connection, path, opened.error());
        return Error{opened.error()};
    }
    const Result<SchemaCheck> check = InspectSchema(connection);
    if (!check)
        return Error{check.error()};
    switch (check->state) {
    case SchemaState::Current:
        return OpenOutcome::Existing;
    case SchemaState::Empty:
        if (Status created = CreateSchema(connection); !created)
            return Error{created.error()};
        return OpenOutcome::Created;
    case SchemaState::Damaged:
        break;
    }
    return Rebuild(connection, path, check->reason);
}

} // namespace veldra::store
