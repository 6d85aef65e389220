#include "transfer/FetchError.h"

#include <QUrl>

namespace veldra::transfer
{

namespace
{

QString ProxyLabel(const QString &proxyName)
{
    return proxyName.isEmpty() ? QStringLiteral("the proxy server") : QStringLiteral("the proxy server ") + proxyName;
}

QString Capitalised(QString text)
{
    if (!text.isEmpty())
        text[0] = text.at(0).toUpper();
    return text;
}

QString Plural(qint64 n, const QString &unit)
{
    return QString::number(n) + QLatin1Char(' ') + unit + (n == 1 ? QString() : QStringLiteral("s"));
}

} // namespace

QString HostPort(const QUrl &url)
{
    return url.host() + QLatin1Char(':') + QString::number(url.port(80));
}

QString DescribeStatus(int status, const QString &reason, const QString &proxyName)
{
    if (status == 407 && !proxyName.isEmpty())
        return Capitalised(ProxyLabel(proxyName)) + QStringLiteral(" requires a user name and password (HTTP 407)");
    QString text = QStringLiteral("HTTP ") + QString::number(status);
    if (!reason.isEmpty())
        text += QLatin1Char(' ') + reason;
    return text;
}

QString DescribeSocketError(QAbstractSocket::SocketError error, const QString &fallback, const QUrl &url,
                            const QString &proxyName)
{
    const bool viaProxy = !proxyName.isEmpty();
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return QStringLiteral("Connection refused by ") + (viaProxy ? ProxyLabel(proxyName) : HostPort(url));
    case QAbstractSocket::HostNotFoundError:
        if (viaProxy)
            return QStringLiteral("Proxy server not found: ") + proxyName;
        return QStringLiteral("Host not found: ") + url.host();
    case QAbstractSocket::SocketTimeoutError:
        return QStringLiteral("Time-out while connecting to ") + (viaProxy ? ProxyLabel(proxyName) : HostPort(url));
    case QAbstractSocket::RemoteHostClosedError:
        return DescribeClosedWithoutAnswer(url, proxyName);
    case QAbstractSocket::ProxyConnectionRefusedError:
        return QStringLiteral("Connection refused by ") + ProxyLabel(proxyName);
    case QAbstractSocket::ProxyConnectionClosedError:
        return Capitalised(ProxyLabel(proxyName)) + QStringLiteral(" closed the connection without answering");
    case QAbstractSocket::ProxyNotFoundError:
        return QStringLiteral("Proxy server not found: ") + (viaProxy ? proxyName : fallback);
    case QAbstractSocket::ProxyConnectionTimeoutError:
        return QStringLiteral("Time-out while connecting to ") + ProxyLabel(proxyName);
    case QAbstractSocket::ProxyAuthenticationRequiredError:
        return Capitalised(ProxyLabel(proxyName)) + QStringLiteral(" requires a user name and password (HTTP 407)");
    default:
        return fallback;
    }
}

QString DescribeClosedWithoutAnswer(const QUrl &url, const QString &proxyName)
{
    if (!proxyName.isEmpty())
        return Capitalised(ProxyLabel(proxyName)) + QStringLiteral(" closed the connection without answering");
    return QStringLiteral("The server ") + HostPort(url) + QStringLiteral(" closed the connection without answering");
}

QString DescribeIdleTimeout(const QUrl &url, int seconds)
{
    return QStringLiteral("Time-out: no answer from %1 within %2")
        .arg(HostPort(url), Plural(seconds, QStringLiteral("second")));
}

QString DescribeDeadline(const QUrl &url, int seconds)
{
    const QString span =
        seconds % 60 == 0 ? Plural(seconds / 60, QStringLiteral("minute")) : Plural(seconds, QStringLiteral("second"));
    return QStringLiteral("Time-out: the document from %1 did not arrive within %2").arg(HostPort(url), span);
}

QString DescribeSizeLimit(qint64 maxBytes)
{
    return QStringLiteral("The document exceeds the size limit of ") + FormatSize(maxBytes);
}

QString FormatSize(qint64 bytes)
{
    constexpr qint64 kKiB = 1024;
    constexpr qint64 kMiB = 1024 * kKiB;
    if (bytes >= kMiB && bytes % kMiB == 0)
        return QString::number(bytes / kMiB) + QStringLiteral(" MiB");
    if (bytes >= kKiB && bytes % kKiB == 0)
        return QString::number(bytes / kKiB) + QStringLiteral(" KiB");
    return Plural(bytes, QStringLiteral("byte"));
}

} // namespace veldra::transfer
