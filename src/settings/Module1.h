#pragma once

#include "transfer/Channels.h"
#include "transfer/DownloadLimits.h"

#include <QString>

#include <optional>

namespace veldra::settings
{

// The state the windows share. One object, owned by main for the whole life of
// the process and handed by reference to whoever reads or writes it.
class Module1
{
public:
    // `executableDir` stands in for the executable's folder (tests); `serverUrl`
    // for the library folder the build names; `cacheDir` for the user's cache
    // folder of offline copies.
    explicit Module1(QString executableDir = QString(), QString serverUrl = QString(), QString cacheDir = QString());

    QString AppName;
    QString AppDir;    // always ends in "/"
    QString IndexFile; // AppDir + "script.dat"
    QString HttpProxy;
    QString HttpProxyPort;
    QString FtpProxy;
    QString FtpProxyPort;
    QString FaqFile; // local path of the last document downloaded
    // The library's folder on the server: "http://" + host + "/software/corvane/".
    QString ServerUrl;
    // Where the last good index and news are kept (ends in "/").
    QString CacheDir;
    // The library store of the downloaded documents.
    QString StorePath;
    // What each kind of download may take.
    transfer::DownloadLimits Limits;
    // Whether the machine counts as connected, where the system is not asked
    // (tests); unset, the system is.
    std::optional<bool> Connected;

    // The four proxy values, as the channels take them.
    transfer::ProxyValues Proxies() const { return {HttpProxy, HttpProxyPort, FtpProxy, FtpProxyPort}; }

    // Sets the names and paths, clears the previous run's work files and reads
    // the proxy settings of the current user.
    void LoadSettings();
    // Deletes the local index and news files, and download work files left
    // behind; every failure is ignored.
    void DeleteWorkFiles();

    // The settings store's section that holds the four proxy values.
    static QString ProxySection() { return QStringLiteral("Proxy_Settings"); }

private:
    QString m_executableDir;
    QString m_cacheDir;
};

// The library folder of the server the program was built for.
QString DefaultServerUrl();

} // namespace veldra::settings
