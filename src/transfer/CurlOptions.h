#pragma once

#include "text/Result.h"
#include "transfer/FetchRequest.h"

#include <QString>

#include <curl/curl.h>

namespace veldra::transfer
{

// The settings every request shares, whatever asks for it: http and https
// only, also for redirects, of which at most kMaxRedirects are followed;
// the server's certificate and host name always verified (against the
// system's certificate authorities, or the bundle SSL_CERT_FILE names);
// HTTP/2 where the server offers it; any content encoding curl knows asked
// for and decoded, one it does not know refused; the low-speed limit; the
// proxy route; the validators of a conditional request. Body and head go to
// the callbacks the caller sets.

constexpr int kMaxRedirects = 5;

struct EasyOptions {
    QString caFile;    // the certificate bundle in use, when SSL_CERT_FILE names one
    QString proxyName; // "host:port" of the named proxy, or empty
};

// Applies the request's options to `easy`; `*headers` receives the request
// header list, which must outlive the transfer. Fails, before anything is
// sent, for a proxy text or a validator that cannot be used.
Result<EasyOptions> SetEasyOptions(CURL *easy, const FetchRequest &request, curl_slist **headers);

} // namespace veldra::transfer
