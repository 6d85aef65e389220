#pragma once

#include "text/Result.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class QNetworkAccessManager;

namespace veldra::transfer
{

// How a channel reaches the server: the system's own settings, or the proxy
// named in its proxy text. The numbers are the desktop's.
enum class AccessType { Default = 0, NamedProxy = 2 };
enum class Protocol { HTTP = 4 };
// What the channel reports while it works. Handlers act on Error only.
enum class TransferState { Requesting = 5, Error = 11, ResponseCompleted = 12 };

// One transfer channel: fetches whole documents over HTTP, directly or through a
// named proxy. Fetches block the caller but keep the event loop running.
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
    // Ends every request of the channel at once; their fetches fail with
    // wasAborted() true.
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

    // Whole-document fetches. They return only when the document has arrived
    // whole or the request failed; the error describes the failure.
    Result<QString> OpenURL(const QString &url); // Windows-1252 text
    Result<QByteArray> OpenURLBytes(const QString &url);

signals:
    void StateChanged(veldra::transfer::TransferState state);

private:
    Result<QByteArray> Fetch(const QString &url);

    struct Private;
    Private *d;
};

} // namespace veldra::transfer
