#include "transfer/TransferChannel.h"

#include "transfer/CurlMulti.h"
#include "transfer/CurlOptions.h"
#include "transfer/CurlTransfer.h"
#include "transfer/Log.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>

#include <memory>

namespace veldra::transfer
{

static_assert(TransferChannel::kMaxRedirects == kMaxRedirects);

namespace
{

const QString kCancelled = QCoreApplication::translate("transfer", "The transfer was cancelled");

} // namespace

struct TransferChannel::Private {
    QString name;
    AccessType accessType = AccessType::Default;
    QString proxyText;
    Protocol protocol = Protocol::HTTP;
    int timeoutSeconds = 60;
    QString url;
    int unfinished = 0; // requests that have not finished
    bool aborted = false;
    // Made with the first fetch; it keeps the connections for the next.
    std::unique_ptr<CurlMulti> multi;
};

TransferChannel::TransferChannel(const QString &name, QObject *parent)
    : QObject(parent)
    , d(new Private)
{
    setObjectName(name);
    d->name = name;
}

TransferChannel::~TransferChannel()
{
    // The requests end first, while the busy count they update still exists.
    d->multi.reset();
    delete d;
}

CurlMulti &TransferChannel::multi()
{
    if (!d->multi)
        d->multi = std::make_unique<CurlMulti>();
    return *d->multi;
}

QString TransferChannel::name() const
{
    return d->name;
}

bool TransferChannel::StillExecuting() const
{
    return d->unfinished > 0;
}

void TransferChannel::abort()
{
    d->aborted = true;
    if (d->multi)
        d->multi->cancelAll(kCancelled, true);
}

bool TransferChannel::wasAborted() const
{
    return d->aborted;
}

void TransferChannel::setAccessType(AccessType mode)
{
    d->accessType = mode;
}

AccessType TransferChannel::accessType() const
{
    return d->accessType;
}

void TransferChannel::setProxy(const QString &hostColonPort)
{
    d->proxyText = hostColonPort;
}

QString TransferChannel::proxy() const
{
    return d->proxyText;
}

void TransferChannel::setProtocol(Protocol protocol)
{
    d->protocol = protocol;
}

Protocol TransferChannel::protocol() const
{
    return d->protocol;
}

void TransferChannel::setRequestTimeout(int seconds)
{
    d->timeoutSeconds = seconds;
}

int TransferChannel::requestTimeout() const
{
    return d->timeoutSeconds;
}

void TransferChannel::setUrl(const QString &url)
{
    d->url = url;
}

QString TransferChannel::url() const
{
    return d->url;
}

Status TransferChannel::Fetch(const QString &url, const BodySink &sink, const DownloadLimit &limit,
                              const BytesReport &bytes)
{
    const auto fail = [this, &url](const QString &description) -> Status {
        qCDebug(lcTransfer) << name() << url << "failed:" << description;
        emit StateChanged(TransferState::Error);
        return Error{description};
    };
    const Error windowClosed{
        QCoreApplication::translate("transfer", "The transfer was cancelled because its window was closed")};

    d->aborted = false;
    FetchRequest request;
    request.url = url;
    request.limit = limit;
    request.proxy = {d->accessType, d->proxyText};
    request.idleSeconds = d->timeoutSeconds;
    CurlTransfer transfer(request, sink);
    if (const Status ready = transfer.prepare(); !ready)
        return fail(ready.error());

    QPointer<TransferChannel> self(this);
    emit StateChanged(TransferState::Requesting);
    if (!self)
        return windowClosed;

    // The busy state ends with the request, not with the fetch: a handler that
    // runs inside the fetch and waits for the channel must not wait for ever.
    ++d->unfinished;
    QEventLoop loop;
    transfer.onFinished = [this, self, &loop] {
        if (self)
            --d->unfinished;
        loop.quit();
    };
    transfer.onBytes = bytes;
    multi().add(&transfer);
    if (!transfer.finished())
        loop.exec();
    if (!self)
        return windowClosed;
    if (!transfer.finished()) {
        // The loop was told to quit from outside (the program is ending).
        d->aborted = true;
        multi().cancel(&transfer, kCancelled, true);
    }

    // Nothing of the request is left to fire once the error notice below
    // runs, however long it takes.
    const FetchOutcome &outcome = transfer.outcome();
    if (outcome.cancelled) {
        qCDebug(lcTransfer) << name() << url << "cancelled";
        return Error{outcome.status.error()};
    }
    if (!outcome.status)
        return fail(outcome.status.error());
    qCDebug(lcTransfer) << name() << url << "complete," << outcome.received << "bytes";
    emit StateChanged(TransferState::ResponseCompleted);
    return {};
}

} // namespace veldra::transfer
