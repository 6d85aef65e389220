#include "transfer/CurlOptions.h"

#include "transfer/CurlLibrary.h"

#include "transfer/ProxyText.h"

#include <QCoreApplication>
#include <QFile>
#include <QUrl>

namespace veldra::transfer
{

namespace
{

QByteArray UserAgent()
{
    return "Veldra/" + QByteArray::number(VELDRA_VERSION_MAJOR) + '.' + QByteArray::number(VELDRA_VERSION_MINOR) + '.' +
           QByteArray::number(VELDRA_VERSION_PATCH);
}

// Visible ASCII only: a value that goes into a request header.
bool HeaderSafe(const QByteArray &value)
{
    for (const char c : value)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7e)
            return false;
    return true;
}

// The named proxy as the URL curl wants; its host goes through QUrl, so no
// text typed into the proxy dialog can add a user name or a path.
Result<QByteArray> ProxyUrl(const QString &text)
{
    const Result<ProxyAddress> proxy = ParseProxyText(text);
    if (!proxy)
        return Error{proxy.error()};
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(proxy->host);
    url.setPort(proxy->port);
    if (!url.isValid() || url.host().isEmpty())
        return Error{QCoreApplication::translate("transfer", "Invalid proxy setting \"%1\": \"%2\" is no host name")
                         .arg(text, proxy->host)};
    return url.toEncoded();
}

Status AddHeader(curl_slist **headers, const char *name, const QByteArray &value)
{
    if (value.isEmpty())
        return {};
    if (!HeaderSafe(value))
        return Error{QCoreApplication::translate("transfer", "The %1 of the stored copy cannot be sent to the server")
                         .arg(QLatin1String(name))};
    *headers = Curl()->slist_append(*headers, QByteArray(name + QByteArrayLiteral(": ") + value).constData());
    return {};
}

} // namespace

Result<EasyOptions> SetEasyOptions(CURL *easy, const FetchRequest &request, curl_slist **headers)
{
    EasyOptions options;
    const QByteArray url = QUrl(request.url).toEncoded();
    // The options the program's safety rests on: a curl without them is not
    // used at all.
    const CURLcode essential[] = {
        Curl()->easy_setopt(easy, CURLOPT_URL, url.constData()),
        Curl()->easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https"),
        Curl()->easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https"),
        Curl()->easy_setopt(easy, CURLOPT_ACCEPT_ENCODING, ""),
        Curl()->easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 1L),
        Curl()->easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 2L),
    };
    for (const CURLcode set : essential)
        if (set != CURLE_OK)
            return Error{QCoreApplication::translate("transfer", "The network library cannot be used: ") +
                         QString::fromUtf8(Curl()->easy_strerror(set))};
    Curl()->easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
    Curl()->easy_setopt(easy, CURLOPT_MAXREDIRS, long(kMaxRedirects));
    Curl()->easy_setopt(easy, CURLOPT_USERAGENT, UserAgent().constData());
    Curl()->easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    // Larger pieces than curl's 16 KiB: fewer calls for a long document.
    Curl()->easy_setopt(easy, CURLOPT_BUFFERSIZE, 128L * 1024);
    // Asking for every encoding curl decodes (above), and decoding it, is
    // what keeps an encoded body out of the files: one it cannot decode fails.
    Curl()->easy_setopt(easy, CURLOPT_HTTP_CONTENT_DECODING, 1L);
    Curl()->easy_setopt(easy, CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_2TLS));

    // Verification (above) has no switch. SSL_CERT_FILE and SSL_CERT_DIR,
    // OpenSSL's own convention for other authorities, curl does not read by
    // itself.
    options.caFile = qEnvironmentVariable("SSL_CERT_FILE");
    if (!options.caFile.isEmpty())
        Curl()->easy_setopt(easy, CURLOPT_CAINFO, QFile::encodeName(options.caFile).constData());
    const QString caDir = qEnvironmentVariable("SSL_CERT_DIR");
    if (!caDir.isEmpty())
        Curl()->easy_setopt(easy, CURLOPT_CAPATH, QFile::encodeName(caDir).constData());

    if (request.limit.lowSpeedBytesPerSecond > 0 && request.limit.lowSpeedSeconds > 0) {
        Curl()->easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, long(request.limit.lowSpeedBytesPerSecond));
        Curl()->easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, long(request.limit.lowSpeedSeconds));
    }

    if (request.proxy.access == AccessType::NamedProxy) {
        const Result<QByteArray> proxy = ProxyUrl(request.proxy.text);
        if (!proxy)
            return Error{proxy.error()};
        Curl()->easy_setopt(easy, CURLOPT_PROXY, proxy.value().constData());
        Curl()->easy_setopt(easy, CURLOPT_PROXYTYPE, long(CURLPROXY_HTTP));
        // The proxy the user named carries every request, whatever no_proxy says.
        Curl()->easy_setopt(easy, CURLOPT_NOPROXY, "");
        const QUrl parsed = QUrl::fromEncoded(proxy.value());
        options.proxyName = parsed.host() + QLatin1Char(':') + QString::number(parsed.port());
    }
    // Otherwise CURLOPT_PROXY stays unset, never empty: curl then follows the
    // environment, credentials in its proxy addresses included.
    Curl()->easy_setopt(easy, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);

    if (const Status added = AddHeader(headers, "If-None-Match", request.ifNoneMatch); !added)
        return Error{added.error()};
    if (const Status added = AddHeader(headers, "If-Modified-Since", request.ifModifiedSince); !added)
        return Error{added.error()};
    if (*headers)
        Curl()->easy_setopt(easy, CURLOPT_HTTPHEADER, *headers);
    return options;
}

} // namespace veldra::transfer
