#include "settings/AppDir.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

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

bool IsUnderSystemPrefix(const QString &dir)
{
    if (!QDir::isAbsolutePath(dir))
        return false;
    // "/usr/../home/u" is no system folder, "//usr/lib" is one.
    const QString clean = QDir::cleanPath(dir);
    for (const QLatin1String prefix : {QLatin1String("/usr"), QLatin1String("/opt")}) {
        if (clean == prefix || clean.startsWith(prefix + QLatin1Char('/')))
            return true;
    }
    return false;
}

QString FindAppDir(const QString &executableDir)
{
    const QFileInfo info(executableDir);
    // A link from elsewhere into /usr, or from /opt to elsewhere, leads to or
    // stands for a system folder all the same.
    const bool system = IsUnderSystemPrefix(executableDir) || IsUnderSystemPrefix(info.canonicalFilePath());
    const bool writable = !system && info.isDir() && info.isWritable();
    QString dataDir;
    if (!writable) {
        dataDir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Veldra/");
        QDir().mkpath(dataDir);
    }
    return AppDirFor(executableDir, writable, dataDir);
}

} // namespace veldra::settings
