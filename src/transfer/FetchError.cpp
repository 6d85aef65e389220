#include "transfer/FetchError.h"

#include <QUrl>

namespace veldra::transfer
{

namespace
{

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

QString Span(int seconds)
{
    return seconds % 60 == 0 ? Plural(seconds / 60, QStringLiteral("minute"))
                             : Plural(seconds, QStringLiteral("second"));
}

} // namespace

QString HostPort(const QUrl &url)
{
    const int defaultPort = url.scheme() == QLatin1String("https") ? 443 : 80;
    return url.host() + QLatin1Char(':') + QString::number(url.port(defaultPort));
}

QString ProxyLabel(const QString &proxyName)
{
    return proxyName.isEmpty() ? QStringLiteral("the proxy server") : QStringLiteral("the proxy server ") + proxyName;
}

QString DescribeStatus(int status, const QString &reason, const QString &proxyName)
{
    if (status == 407)
        return Capitalised(ProxyLabel(proxyName)) + QStringLiteral(" requires a user name and password (HTTP 407)");
    QString text = QStringLiteral("HTTP ") + QString::number(status);
    if (!reason.isEmpty())
        text += QLatin1Char(' ') + reason;
    return text;
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
    return QStringLiteral("Time-out: the document from %1 did not arrive within %2").arg(HostPort(url), Span(seconds));
}

QString DescribeLowSpeed(const QUrl &url, int bytesPerSecond, int seconds)
{
    return QStringLiteral("Time-out: the document from %1 arrived at less than %2 a second for %3")
        .arg(HostPort(url), FormatSize(bytesPerSecond), Span(seconds));
}

QString DescribeSizeLimit(qint64 maxBytes)
{
    return QStringLiteral("The document exceeds the size limit of ") + FormatSize(maxBytes);
}

QString DescribeRedirectRefused(const QUrl &from, const QUrl &to)
{
    const QString start = QStringLiteral("Redirect to %1 refused: ").arg(to.toDisplayString());
    if (from.scheme() == QLatin1String("https") && to.scheme() == QLatin1String("http"))
        return start + QStringLiteral("a secure https address is never left for a plain http one");
    return start + QStringLiteral("only http and https addresses are followed");
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
