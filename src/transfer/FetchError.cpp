#include "transfer/FetchError.h"

#include <QCoreApplication>
#include <QUrl>

namespace veldra::transfer
{

namespace
{

// English has no catalogue of its own, so its singular is a message of its
// own; other languages give both messages all their plural forms.
QString Seconds(int n)
{
    return n == 1 ? QCoreApplication::translate("transfer", "%n second", nullptr, n)
                  : QCoreApplication::translate("transfer", "%n seconds", nullptr, n);
}

QString Bytes(qint64 n)
{
    return n == 1 ? QCoreApplication::translate("transfer", "%n byte", nullptr, 1)
                  : QCoreApplication::translate("transfer", "%1 bytes").arg(n);
}

QString Span(int seconds)
{
    if (seconds % 60 != 0)
        return Seconds(seconds);
    const int minutes = seconds / 60;
    return minutes == 1 ? QCoreApplication::translate("transfer", "%n minute", nullptr, minutes)
                        : QCoreApplication::translate("transfer", "%n minutes", nullptr, minutes);
}

} // namespace

QString HostPort(const QUrl &url)
{
    const int defaultPort = url.scheme() == QLatin1String("https") ? 443 : 80;
    return url.host() + QLatin1Char(':') + QString::number(url.port(defaultPort));
}

QString ProxyLabel(const QString &proxyName)
{
    return proxyName.isEmpty() ? QCoreApplication::translate("transfer", "the proxy server")
                               : QCoreApplication::translate("transfer", "the proxy server %1").arg(proxyName);
}

QString DescribeStatus(int status, const QString &reason, const QString &proxyName)
{
    if (status == 407)
        return proxyName.isEmpty()
                   ? QCoreApplication::translate("transfer",
                                                 "The proxy server requires a user name and password (HTTP 407)")
                   : QCoreApplication::translate("transfer",
                                                 "The proxy server %1 requires a user name and password (HTTP 407)")
                         .arg(proxyName);
    QString text = QStringLiteral("HTTP ") + QString::number(status);
    if (!reason.isEmpty())
        text += QLatin1Char(' ') + reason;
    return text;
}

QString DescribeClosedWithoutAnswer(const QUrl &url, const QString &proxyName)
{
    if (!proxyName.isEmpty())
        return QCoreApplication::translate("transfer", "The proxy server %1 closed the connection without answering")
            .arg(proxyName);
    return QCoreApplication::translate("transfer", "The server %1 closed the connection without answering")
        .arg(HostPort(url));
}

QString DescribeIdleTimeout(const QUrl &url, int seconds)
{
    return QCoreApplication::translate("transfer", "Time-out: no answer from %1 within %2")
        .arg(HostPort(url), Seconds(seconds));
}

QString DescribeDeadline(const QUrl &url, int seconds)
{
    return QCoreApplication::translate("transfer", "Time-out: the document from %1 did not arrive within %2")
        .arg(HostPort(url), Span(seconds));
}

QString DescribeLowSpeed(const QUrl &url, int bytesPerSecond, int seconds)
{
    return QCoreApplication::translate("transfer",
                                       "Time-out: the document from %1 arrived at less than %2 a second for %3")
        .arg(HostPort(url), FormatSize(bytesPerSecond), Span(seconds));
}

QString DescribeSizeLimit(qint64 maxBytes)
{
    return QCoreApplication::translate("transfer", "The document exceeds the size limit of %1")
        .arg(FormatSize(maxBytes));
}

QString DescribeRedirectRefused(const QUrl &from, const QUrl &to)
{
    const QString start = QCoreApplication::translate("transfer", "Redirect to %1 refused: ").arg(to.toDisplayString());
    if (from.scheme() == QLatin1String("https") && to.scheme() == QLatin1String("http"))
        return start +
               QCoreApplication::translate("transfer", "a secure https address is never left for a plain http one");
    return start + QCoreApplication::translate("transfer", "only http and https addresses are followed");
}

QString FormatSize(qint64 bytes)
{
    constexpr qint64 kKiB = 1024;
    constexpr qint64 kMiB = 1024 * kKiB;
    if (bytes >= kMiB && bytes % kMiB == 0)
        return QString::number(bytes / kMiB) + QStringLiteral(" MiB");
    if (bytes >= kKiB && bytes % kKiB == 0)
        return QString::number(bytes / kKiB) + QStringLiteral(" KiB");
    return Bytes(bytes);
}

} // namespace veldra::transfer
