#pragma once

#include "text/Result.h"
#include "transfer/DownloadLimits.h"
#include "transfer/FetchRequest.h"

#include <QByteArray>
#include <QObject>
#include <QString>

namespace veldra::transfer
{

class CurlMulti;

enum class Protocol { HTTP = 4 };
// What the channel reports while it works. Handlers act on Error only; a
// fetch the user cancelled reports no Error.
enum class TransferState { Requesting = 5, Error = 11, ResponseCompleted = 12 };

// One transfer channel: fetches whole documents over http or https, directly,
// through the system's proxies or through a named proxy. Fetches block the
// caller but keep the event loop running; fetches started meanwhile (by a
// handler that runs during one) run beside it.
// Only a 200 answer, after at most kMaxRedirects redirects (never from https
// to http), is a document, and only when its body ended properly: its length
// reached, its final chunk read, or the connection closed in order for an
// answer with neither. A connection reset is no end.
class TransferChannel : public QObject
{
    Q_OBJECT
public:
    // Redirects a fetch follows before it gives up.
    static constexpr int kMaxRedirects = 5;

    explicit TransferChannel(const QString &name, QObject *parent = nullptr);
    ~TransferChannel() override;

    QString name() const;
    // True while a request of this channel has not finished.
    bool StillExecuting() const;
    // Ends every request of the channel at once; their fetches fail ("The
    // transfer was cancelled") with wasAborted() true, and report no Error.
    void abort();
    bool wasAborted() const;

    void setAccessType(AccessType mode);
    AccessType accessType() const;
    void setProxy(const QString &hostColonPort);
    QString proxy() const;
    void setProtocol(Protocol protocol);
    Protocol protocol() const;
    // Seconds without any data from the server before a request is given up;
    // 0 waits for ever.
    void setRequestTimeout(int seconds); // initial value 60
    int requestTimeout() const;
    // The text setting callers reset before and after some fetches.
    void setUrl(const QString &url);
    QString url() const;

    // Streams the document at `url` into `sink` as it arrives, so that its size
    // costs no memory. Returns when the document has arrived whole or the
    // request failed; the error describes the failure. `limit` bounds the
    // body's size, the time the whole fetch may take and how slow it may be;
    // `bytes`, when given, hears how much has arrived.
    Status Fetch(const QString &url, const BodySink &sink, const DownloadLimit &limit, const BytesReport &bytes = {});

signals:
    void StateChanged(veldra::transfer::TransferState state);

private:
    CurlMulti &multi();

    struct Private;
    Private *d;
};

} // namespace veldra::transfer
