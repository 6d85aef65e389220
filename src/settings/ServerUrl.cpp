#include "settings/ServerUrl.h"

#include "settings/Log.h"
#include "settings/Module1.h"
#include "settings/SettingsStore.h"

#include <QUrl>

namespace veldra::settings
{

namespace
{

const QString kLibraryPath = QStringLiteral("software/corvane/");

} // namespace

Result<QString> LibraryUrlFor(const QString &server)
{
    const QString text = server.trimmed();
    const QUrl url(text);
    const auto refuse = [&text](const QString &why) -> Result<QString> {
        return Error{QStringLiteral("\"%1\" is not a server address Veldra can use: %2").arg(text, why)};
    };
    if (text.isEmpty())
        return refuse(QStringLiteral("it is empty"));
    // Qt's reason goes on to repeat the whole address; the reason is enough.
    if (!url.isValid())
        return refuse(url.errorString().section(QStringLiteral("; source was"), 0, 0));
    // The transfer channels speak http and https and nothing else.
    if (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))
        return refuse(QStringLiteral("only http and https addresses are supported"));
    if (url.host().isEmpty())
        return refuse(QStringLiteral("it names no host"));
    if (url.port() == 0)
        return refuse(QStringLiteral("port 0 is no port"));
    // A name and password would travel in the clear and show in every message.
    if (!url.userInfo().isEmpty())
        return refuse(QStringLiteral("a user name or password is not supported"));
    if (url.hasQuery() || url.hasFragment())
        return refuse(QStringLiteral("it must name a folder, without \"?\" or \"#\""));

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
