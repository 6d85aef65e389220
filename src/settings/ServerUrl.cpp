#include "settings/ServerUrl.h"

#include "settings/Log.h"
#include "settings/Module1.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QUrl>

#include <algorithm>

namespace veldra::settings
{

namespace
{

const QString kLibraryPath = QStringLiteral("software/corvane/");

} // namespace

QString MaskedAddress(const QString &address)
{
    // Read as text, not through QUrl: an address QUrl refuses must not show
    // its secret either.
    // Without "://" the whole text up to its first "/" may be "user:secret@host".
    const qsizetype scheme = address.indexOf(QLatin1String("://"));
    const qsizetype start = scheme < 0 ? 0 : scheme + 3;
    qsizetype end = address.size();
    for (const QChar c : {u'/', u'?', u'#'})
        if (const qsizetype at = address.indexOf(c, start); at >= 0)
            end = std::min(end, at);
    // The host follows the last "@": a password may hold one of its own.
    const qsizetype at = address.lastIndexOf(u'@', end - 1);
    if (at < start)
        return address;
    const QStringView userInfo = QStringView(address).sliced(start, at - start);
    const qsizetype colon = userInfo.indexOf(u':');
    const QString masked = colon < 0 ? QStringLiteral("***") : userInfo.left(colon).toString() + QStringLiteral(":***");
    return address.left(start) + masked + address.mid(at);
}

Result<QString> LibraryUrlFor(const QString &server)
{
    const QString text = server.trimmed();
    const QUrl url(text);
    const auto refuse = [&text](const QString &why) -> Result<QString> {
        return Error{QCoreApplication::translate("settings", "\"%1\" is not a server address Veldra can use: %2")
                         .arg(MaskedAddress(text), why)};
    };
    if (text.isEmpty())
        return refuse(QCoreApplication::translate("settings", "it is empty"));
    // Qt's reason goes on to repeat the whole address; the reason is enough.
    if (!url.isValid())
        return refuse(url.errorString().section(QStringLiteral("; source was"), 0, 0));
    // The transfer channels speak http and https and nothing else.
    if (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))
        return refuse(QCoreApplication::translate("settings", "only http and https addresses are supported"));
    if (url.host().isEmpty())
        return refuse(QCoreApplication::translate("settings", "it names no host"));
    if (url.port() == 0)
        return refuse(QCoreApplication::translate("settings", "port 0 is no port"));
    // A name and password would travel in the clear and show in every message.
    if (!url.userInfo().isEmpty())
        return refuse(QCoreApplication::translate("settings", "a user name or password is not supported"));
    if (url.hasQuery() || url.hasFragment())
        return refuse(QCoreApplication::translate("settings", "it must name a folder, without \"?\" or \"#\""));

    QString path = url.path();
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    if (!path.endsWith(QLatin1Char('/') + kLibraryPath))
        path += kLibraryPath;
    QUrl library = url;
    library.setPath(path);
    return library.toString(QUrl::FullyEncoded);
}

Result<QString> ChooseLibraryUrl(const std::optional<QString> &commandLineServer)
{
    if (commandLineServer) {
        const Result<QString> library = LibraryUrlFor(*commandLineServer);
        if (!library)
            return Error{QStringLiteral("--server: ") + library.error()};
        return library;
    }
    const QString appName = QStringLiteral("Veldra");
    const QString stored = settings::GetSetting(appName, ServerSection(), QStringLiteral("URL"));
    // "URL=" with nothing after it names no server.
    if (!stored.trimmed().isEmpty()) {
        const Result<QString> library = LibraryUrlFor(stored);
        if (!library)
            return Error{QStringLiteral("%1, [%2] URL: %3")
                             .arg(settings::SettingsFileName(appName), ServerSection(), library.error())};
        qCDebug(lcSettings) << "server from the settings:" << library.value();
        return library;
    }
    return DefaultServerUrl();
}

} // namespace veldra::settings
