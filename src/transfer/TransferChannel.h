#pragma once

#include "transfer/DownloadLimits.h"
#include "text/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QObject>
#include <QString>

class QNetworkProxy;
class QTimer;
class QUrl;

#include <functional>

namespace veldra::transfer
{

// How a channel reaches the server: the system's own settings, or the proxy
// named in its proxy text. The numbers are the desktop's.
enum class AccessType { Default = 0, NamedProxy = 2 };
enum class Protocol { HTTP = 4 };
// What the channel reports while it works. Handlers act on Error only.
enum class TransferState { Requesting = 5, Error = 11, ResponseCompleted = 12 };

// Takes the bytes of a document as they arrive; an error ends the fetch with it.
using BodySink = std::function<Status(QByteArrayView)>;

// One transfer channel: fetches whole documents over HTTP, directly or through a
// named proxy. Fetches block the caller but keep the event loop running.
// Only a 200 answer, after at most kMaxRedirects http redirects, is a document,
// and only when its body ended properly: its length reached, its final chunk
// read, or the connection closed for an answer with neither.
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
    // transfer was cancelled") with wasAborted() true.
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
    // body's size and the time the whole fetch may take.
    Status Fetch(const QString &url, const BodySink &sink, const DownloadLimit &limit);

    // Whole-document fetches into memory, for small documents.
    Result<QString> OpenURL(const QString &url, const DownloadLimit &limit = {}); // Windows-1252 text
    Result<QByteArray> OpenURLBytes(const QString &url, const DownloadLimit &limit = {});

signals:
    void StateChanged(veldra::transfer::TransferState state);

private:
    // What one request of a fetch came to: its own failure, or the head of
    // its final answer.
    struct Answer {
        QString error;
        int status = 0;
        QString reason;
        QByteArray location;
        bool tooLarge = false; // announced longer than the limit
        QString proxyName;
    };
    // One request over a connection of its own, with the channel's time-out
    // and the fetch's deadline. Everything it sets up ends before it returns.
    Answer exchange(const QUrl &url, const QNetworkProxy &proxy, const BodySink &sink,
                    const DownloadLimit &limit, QTimer &deadline);

    struct Private;
    Private *d;
};

} // namespace veldra::transfer
