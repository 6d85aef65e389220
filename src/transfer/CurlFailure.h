#pragma once

#include "transfer/DownloadLimits.h"

#include <QString>
#include <QUrl>

#include <curl/curl.h>

namespace veldra::transfer
{

// What is known of a request that curl ended with an error.
struct CurlFailure {
    CURLcode code = CURLE_OK;
    QString curlText;      // curl's own words, for what has no plainer ones
    QUrl requested;        // as the caller asked for it
    QUrl url;              // of the request that failed (after redirects)
    QString proxyName;     // the named proxy, or empty
    long osError = 0;      // errno of a failed connect or receive
    long verifyResult = 0; // OpenSSL's verdict on the certificate
    long connectCode = 0;  // a proxy's answer to CONNECT
    bool answered = false; // a status line arrived
    bool headDone = false; // a final answer's head arrived
    qint64 received = 0;   // body bytes
    qint64 announced = -1; // Content-Length
    QString caFile;        // the certificate bundle SSL_CERT_FILE names
    DownloadLimit limit;
};

// The failure in words for the user: a cut body says how much arrived, a
// certificate that failed verification says why (self-signed, expired, for
// another host, from an authority that is not trusted).
QString DescribeCurlFailure(const CurlFailure &failure);

} // namespace veldra::transfer
