#include "settings/Module1.h"

#include "platform/SettingsStore.h"
#include "settings/AppDir.h"

#include <QFile>

namespace Module1
{

QString AppName;
QString AppDir;
QString IndexFile;
QString HttpProxy;
QString HttpProxyPort;
QString FtpProxy;
QString FtpProxyPort;
QString FaqFile;
QString CurrentLink;
QVector<SearchHit> SearchHits(kMaxSearchHits);
qint16 SearchHitCount = 0;

void LoadSettings()
{
    AppName = QStringLiteral("Veldra");
    AppDir = FindAppDir();
    IndexFile = AppDir + QStringLiteral("script.dat");
    DeleteWorkFiles();
    // Stored values are taken as they are; the dialog's OK and the proxy rule
    // normalise them when they are used.
    HttpProxy = platform::GetSetting(AppName, kProxySection, QStringLiteral("HTTP"));
    HttpProxyPort = platform::GetSetting(AppName, kProxySection, QStringLiteral("HTTP_Port"), QStringLiteral("0"));
    FtpProxy = platform::GetSetting(AppName, kProxySection, QStringLiteral("FTP"));
    FtpProxyPort = platform::GetSetting(AppName, kProxySection, QStringLiteral("FTP_Port"), QStringLiteral("0"));
}

void DeleteWorkFiles()
{
    // Each start fetches a fresh index and news file; whatever stops a deletion
    // (missing, locked, read-only) is no reason to stop the other or the start.
    QFile::remove(IndexFile);
    QFile::remove(AppDir + QStringLiteral("news.rtf"));
}

} // namespace Module1
