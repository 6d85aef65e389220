#pragma once

#include "text/Result.h"
#include "transfer/DownloadLimits.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>

namespace veldra::transfer
{

// How a request reaches the server: the system's own settings (the
// http_proxy, https_proxy, all_proxy and no_proxy environment), or the proxy
// named in the proxy text. The numbers are the desktop's.
enum class AccessType { Default = 0, NamedProxy = 2 };

struct ProxyRoute {
    AccessType access = AccessType::Default;
    QString text; // "host:port" of the named proxy
};

// Takes the bytes of a document as they arrive; an error ends the fetch with it.
using BodySink = std::function<Status(QByteArrayView)>;
// Told how many bytes of the document have arrived so far and how many the
// server announced (-1 when it did not).
using BytesReport = std::function<void(qint64 received, qint64 total)>;

// One document to fetch.
struct FetchRequest {
    QString url; // http or https
    DownloadLimit limit;
    ProxyRoute proxy;
    // Seconds without any data from the server before the request is given
    // up; 0 waits for ever (the deadline still holds).
    int idleSeconds = 60;
    // What an earlier answer said of the copy kept from it (its ETag and
    // Last-Modified). Either makes the request conditional: a 304 answer then
    // means the copy is still current.
    QByteArray ifNoneMatch;
    QByteArray ifModifiedSince;

    bool conditional() const { return !ifNoneMatch.isEmpty() || !ifModifiedSince.isEmpty(); }
};

// What a fetch came to.
struct FetchOutcome {
    // Success: a 200 answer whose body ended properly, or a 304 answer to a
    // conditional request. Otherwise what went wrong.
    Status status;
    int httpStatus = 0; // of the final answer, 0 when there was none
    // The final answer's validators, for a later conditional request; empty
    // when it sent none (or none fit in a request header).
    QByteArray etag;
    QByteArray lastModified;
    qint64 received = 0;    // body bytes handed to the sink
    bool cancelled = false; // ended by the user's abort, not by a failure

    bool notModified() const { return status.ok() && httpStatus == 304; }
};

} // namespace veldra::transfer
