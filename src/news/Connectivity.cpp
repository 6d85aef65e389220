#include "news/Connectivity.h"

#include <QHostAddress>
#include <QNetworkInformation>
#include <QNetworkInterface>

namespace veldra::news
{

namespace
{
// The answer a test forces: 1 connected, 0 offline, -1 none.
int &Override()
{
    static int answer = -1;
    return answer;
}

bool IsLoopbackHost(const QString &hostAndPort)
{
    QString host = hostAndPort;
    if (host.startsWith(QLatin1Char('['))) {
        host = host.mid(1, host.indexOf(QLatin1Char(']')) - 1);
    } else if (host.count(QLatin1Char(':')) == 1) {
        host = host.left(host.indexOf(QLatin1Char(':')));
    }
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress addr(host);
    return !addr.isNull() && addr.isLoopback();
}

bool AnyInterfaceUp()
{
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &ni : interfaces) {
        const auto flags = ni.flags();
        if ((flags & QNetworkInterface::IsUp) && (flags & QNetworkInterface::IsRunning) &&
            !(flags & QNetworkInterface::IsLoopBack) && !ni.addressEntries().isEmpty())
            return true;
    }
    return false;
}
} // namespace

void SetConnectivityOverride(int answer)
{
    Override() = answer;
}

bool IsConnected(const QString &serverHost)
{
    if (Override() >= 0)
        return Override() == 1;
    if (IsLoopbackHost(serverHost))
        return true;
    if (QNetworkInformation::instance() ||
        QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability)) {
        const auto reach = QNetworkInformation::instance()->reachability();
        if (reach != QNetworkInformation::Reachability::Unknown)
            return reach != QNetworkInformation::Reachability::Disconnected;
    }
    return AnyInterfaceUp();
}

} // namespace veldra::news
