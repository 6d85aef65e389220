#include "news/Connectivity.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

namespace veldra::news
{

namespace
{
bool IsLoopbackAddress(const QString &host)
{
    const QByteArray bytes = host.toLatin1();
    in_addr v4{};
    if (inet_pton(AF_INET, bytes.constData(), &v4) == 1)
        return (ntohl(v4.s_addr) >> 24) == 127;
    in6_addr v6{};
    if (inet_pton(AF_INET6, bytes.constData(), &v6) != 1)
        return false;
    if (IN6_IS_ADDR_LOOPBACK(&v6))
        return true;
    // An IPv4 loopback address written as IPv6.
    return IN6_IS_ADDR_V4MAPPED(&v6) && v6.s6_addr[12] == 127;
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
    return IsLoopbackAddress(host);
}

// An interface other than loopback that is up, running and has an address.
// The kernel's own list is asked directly: a network library (and the desktop
// service it would ask) costs a noticeable part of every start, which this
// question comes in the middle of.
bool AnyInterfaceUp()
{
    ifaddrs *list = nullptr;
    if (getifaddrs(&list) != 0)
        return true; // unknown: let the download find out
    bool up = false;
    for (const ifaddrs *i = list; i && !up; i = i->ifa_next) {
        const unsigned flags = i->ifa_flags;
        const bool hasAddress =
            i->ifa_addr && (i->ifa_addr->sa_family == AF_INET || i->ifa_addr->sa_family == AF_INET6);
        up = hasAddress && (flags & IFF_UP) && (flags & IFF_RUNNING) && !(flags & IFF_LOOPBACK);
    }
    freeifaddrs(list);
    return up;
}
} // namespace

bool IsConnected(const QString &serverHost)
{
    if (IsLoopbackHost(serverHost))
        return true;
    return AnyInterfaceUp();
}

} // namespace veldra::news
