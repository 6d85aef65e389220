#include "transfer/FetchError.h"

#include "transfer/TransferChannel.h"

#include <QNetworkReply>
#include <QUrl>

namespace veldra::transfer
{

namespace
{

QString HostPort(const QUrl &url)
{
    return url.host() + QLatin1Char(':') + QString::number(url.port(80));
}

QString HttpStatus(QNetworkReply *reply)
{
    const QVariant code = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!code.isValid())
        return QString();
    const QString reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().trimmed();
    QString text = QStringLiteral("HTTP ") + QString::number(code.toInt());
    if (!reason.isEmpty())
        text += QLatin1Char(' ') + reason;
    return text;
}

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

} // namespace

QString DescribeFetchFailure(QNetworkReply *reply, qint64 bytesReceived, const QString &proxyName)
{
    const QUrl url = reply->url();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const qint64 length = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    const bool decoded = !reply->rawHeader("Content-Encoding").isEmpty();

    switch (reply->error()) {
    case QNetworkReply::NoError:
        break;
    // Through a proxy the only connection made is the one to the proxy, so a
    // refused connection or an unknown host is the proxy's.
    case QNetworkReply::ConnectionRefusedError:
        if (!proxyName.isEmpty())
            return QStringLiteral("Connection refused by ") + ProxyLabel(proxyName);
        return QStringLiteral("Connection refused by ") + HostPort(url);
    case QNetworkReply::HostNotFoundError:
        if (!proxyName.isEmpty())
            return QStringLiteral("Proxy server not found: ") + proxyName;
        return QStringLiteral("Host not found: ") + url.host();
    case QNetworkReply::TimeoutError:
        return QStringLiteral("Time-out while connecting to ") + HostPort(url);
    case QNetworkReply::RemoteHostClosedError:
        if (status == 0)
            return QStringLiteral("The server ") + HostPort(url) +
                   QStringLiteral(" closed the connection without answering");
        if (length > 0)
            return QStringLiteral("The document arrived incomplete: the server closed the connection after %1 of %2 "
                                  "bytes")
                .arg(bytesReceived)
                .arg(length);
        return QStringLiteral("The document arrived incomplete: the server closed the connection after %1 bytes")
            .arg(bytesReceived);
    case QNetworkReply::ProxyConnectionRefusedError:
        return QStringLiteral("Connection refused by ") + ProxyLabel(proxyName);
    case QNetworkReply::ProxyConnectionClosedError:
        return Capitalised(ProxyLabel(proxyName)) + QStringLiteral(" closed the connection without answering");
    case QNetworkReply::ProxyNotFoundError:
        return QStringLiteral("Proxy server not found: ") + (proxyName.isEmpty() ? reply->errorString() : proxyName);
    case QNetworkReply::ProxyTimeoutError:
        return QStringLiteral("Time-out while connecting to ") + ProxyLabel(proxyName);
    case QNetworkReply::ProxyAuthenticationRequiredError:
        return Capitalised(ProxyLabel(proxyName)) + QStringLiteral(" requires a user name and password (HTTP 407)");
    case QNetworkReply::TooManyRedirectsError:
        return QStringLiteral("More than %1 redirects from ").arg(TransferChannel::kMaxRedirects) +
               url.toDisplayString();
    default:
        if (status >= 400)
            return HttpStatus(reply);
        return reply->errorString();
    }
    if (status >= 400)
        return HttpStatus(reply);
    // A reply that ends without an error but short of the length the server
    // announced was still cut short.
    if (!decoded && length > 0 && bytesReceived < length)
        return QStringLiteral("The document arrived incomplete: %1 of %2 bytes").arg(bytesReceived).arg(length);
    return QString();
}

} // namespace veldra::transfer
