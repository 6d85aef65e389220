#include "settings/AppDir.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace veldra::settings
{

namespace
{

QString WithSlash(QString dir)
{
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

} // namespace

QString AppDirFor(const QString &executableDir, bool executableDirWritable, const QString &userDataDir)
{
    return WithSlash(executableDirWritable ? executableDir : userDataDir);
}

QString FindAppDir(const QString &executableDir)
{
    const QFileInfo info(executableDir);
    const bool writable = info.isDir() && info.isWritable();
    QString dataDir;
    if (!writable) {
        dataDir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Veldra/");
        QDir().mkpath(dataDir);
    }
    return AppDirFor(executableDir, writable, dataDir);
}

} // namespace veldra::settings
