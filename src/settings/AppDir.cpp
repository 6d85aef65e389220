#include "settings/AppDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace
{
QString g_executableDir;

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

QString FindAppDir()
{
    const QString exeDir = g_executableDir.isEmpty() ? QCoreApplication::applicationDirPath() : g_executableDir;
    const QFileInfo info(exeDir);
    const bool writable = info.isDir() && info.isWritable();
    QString dataDir;
    if (!writable) {
        dataDir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Veldra/");
        QDir().mkpath(dataDir);
    }
    return AppDirFor(exeDir, writable, dataDir);
}

void SetExecutableDir(const QString &dir)
{
    g_executableDir = dir;
}
