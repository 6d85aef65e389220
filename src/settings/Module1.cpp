#include "settings/Module1.h"

#include "settings/AppDir.h"
#include "settings/Log.h"
#include "settings/OfflineCopies.h"
#include "settings/SettingsStore.h"
#include "store/StorePath.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace veldra::settings
{

QString DefaultServerUrl()
{
    return QStringLiteral("http://") + QStringLiteral(VELDRA_SERVER_HOST) + QStringLiteral("/software/corvane/");
}

Module1::Module1(QString executableDir, QString serverUrl, QString cacheDir)
    : ServerUrl(serverUrl.isEmpty() ? DefaultServerUrl() : std::move(serverUrl))
    , m_executableDir(std::move(executableDir))
    , m_cacheDir(std::move(cacheDir))
{
}

void Module1::LoadSettings()
{
    AppName = QStringLiteral("Veldra");
    AppDir = FindAppDir(m_executableDir.isEmpty() ? QCoreApplication::applicationDirPath() : m_executableDir);
    IndexFile = AppDir + QStringLiteral("script.dat");
    CacheDir = m_cacheDir.isEmpty() ? OfflineCopies::DefaultFolder() : m_cacheDir;
    // A cache folder named by the caller (tests) holds the store as well.
    StorePath =
        m_cacheDir.isEmpty() ? store::DefaultStorePath() : QDir(m_cacheDir).filePath(QStringLiteral("library.sqlite"));
    qCDebug(lcSettings) << "program folder" << AppDir << "offline copies" << CacheDir;
    DeleteWorkFiles();
    // Stored values are taken as they are; the dialog's OK and the proxy rule
    // normalise them when they are used.
    const QString section = ProxySection();
    HttpProxy = settings::GetSetting(AppName, section, QStringLiteral("HTTP"));
    HttpProxyPort = settings::GetSetting(AppName, section, QStringLiteral("HTTP_Port"), QStringLiteral("0"));
    FtpProxy = settings::GetSetting(AppName, section, QStringLiteral("FTP"));
    FtpProxyPort = settings::GetSetting(AppName, section, QStringLiteral("FTP_Port"), QStringLiteral("0"));
}

void Module1::DeleteWorkFiles()
{
    // Each start fetches a fresh index and news file; whatever stops a deletion
    // (missing, locked, read-only) is no reason to stop the other or the start.
    QFile::remove(IndexFile);
    QFile::remove(AppDir + QStringLiteral("news.rtf"));
    // A download writes into a new ".veldra-*.tmp" file beside its target; one
    // the program left behind when it was ended mid-download goes too. A file
    // touched within the hour may belong to a download of another instance
    // still under way (every download ends within ten minutes), so it stays.
    // The names are matched here rather than by a name filter: a filter is a
    // regular expression, whose first match on a thread registers a handler
    // under the dynamic loader's lock, and that lock is held while libcurl
    // loads at start.
    const QDateTime stale = QDateTime::currentDateTimeUtc().addSecs(-3600);
    QDirIterator entries(AppDir, QDir::Files | QDir::Hidden | QDir::System);
    while (entries.hasNext()) {
        const QFileInfo file = entries.nextFileInfo();
        const QString name = file.fileName();
        if (name.startsWith(QLatin1String(".veldra-")) && name.endsWith(QLatin1String(".tmp")) &&
            file.lastModified().toUTC() < stale)
            QFile::remove(file.filePath());
    }
}

} // namespace veldra::settings
