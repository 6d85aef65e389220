#include "transfer/TransferChannel.h"

#include "text/CodePage.h"
#include "transfer/FetchError.h"
#include "transfer/HttpExchange.h"
#include "transfer/Log.h"
#include "transfer/ProxyText.h"

#include <QEventLoop>
#include <QNetworkProxyFactory>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <optional>

namespace veldra::transfer
{

namespace
{

bool IsHttp(const QUrl &url)
{
    return url.isValid() && url.scheme() == QLatin1String("http") && !url.host().isEmpty();
}

bool IsRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// Access mode 0: whatever the system says for each request (on Linux the
// http_proxy and no_proxy environment).
QNetworkProxy SystemProxyFor(const QUrl &url)
{
    const QList<QNetworkProxy> proxies = QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(url));
    for (const QNetworkProxy &proxy : proxies) {
        switch (proxy.type()) {
        case QNetworkProxy::HttpProxy:
        case QNetworkProxy::HttpCachingProxy:
            return QNetworkProxy(QNetworkProxy::HttpProxy, proxy.hostName(), proxy.port(), proxy.user(),
                                 proxy.password());
        case QNetworkProxy::Socks5Proxy:
            return proxy;
        case QNetworkProxy::NoProxy:
            return QNetworkProxy(QNetworkProxy::NoProxy);
        default:
            break;
        }
    }
    return QNetworkProxy(QNetworkProxy::NoProxy);
}

const QString kCancelled = QStringLiteral("The transfer was cancelled");

} // namespace

struct TransferChannel::Private {
    QString name;
    AccessType accessType = AccessType::Default;
    QString proxyText;
    Protocol protocol = Protocol::HTTP;
    int timeoutSeconds = 60;
    QString url;
    int unfinished = 0; // exchanges that have not finished
    bool aborted = false;
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
    // The exchanges go first, while the busy count they update still exists.
    qDeleteAll(findChildren<HttpExchange *>(QString(), Qt::FindDirectChildrenOnly));
    delete d;
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
    const auto exchanges = findChildren<HttpExchange *>(QString(), Qt::FindDirectChildrenOnly);
    for (HttpExchange *exchange : exchanges)
        exchange->stop(kCancelled);
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

Result<QString> TransferChannel::OpenURL(const QString &url, const DownloadLimit &limit)
{
    Result<QByteArray> body = OpenURLBytes(url, limit);
    if (!body)
        return Error{body.error()};
    return text::DecodeAnsi(body.value());
}

Result<QByteArray> TransferChannel::OpenURLBytes(const QString &url, const DownloadLimit &limit)
{
    QByteArray body;
    const BodySink collect = [&body](QByteArrayView piece) {
        body.append(piece);
        return Status();
    };
    if (const Status fetched = Fetch(url, collect, limit); !fetched)
        return Error{fetched.error()};
    return body;
}

Status TransferChannel::Fetch(const QString &url, const BodySink &sink, const DownloadLimit &limit)
{
    const auto fail = [this, &url](const QString &description) -> Status {
        qCDebug(lcTransfer) << name() << url << "failed:" << description;
        emit StateChanged(TransferState::Error);
        return Error{description};
    };
    const Error windowClosed{QStringLiteral("The transfer was cancelled because its window was closed")};

    d->aborted = false;
    std::optional<QNetworkProxy> named;
    if (d->accessType == AccessType::NamedProxy) {
        const Result<QNetworkProxy> proxy = ParseProxyText(d->proxyText);
        if (!proxy)
            return fail(proxy.error());
        named = proxy.value();
    }
    QUrl current(url);
    if (!IsHttp(current))
        return fail(QStringLiteral("Not an http address: ") + url);

    QPointer<TransferChannel> self(this);
    emit StateChanged(TransferState::Requesting);
    if (!self)
        return windowClosed;

    // The whole fetch, redirects included, has one deadline, so that a server
    // trickling a byte now and then cannot hold the program for ever.
    QTimer deadline;
    deadline.setSingleShot(true);
    if (limit.deadlineSeconds > 0)
        deadline.start(limit.deadlineSeconds * 1000);

    qint64 received = 0;
    const BodySink counted = [&](QByteArrayView piece) -> Status {
        received += piece.size();
        if (received > limit.maxBytes)
            return Error{DescribeSizeLimit(limit.maxBytes)};
        return sink(piece);
    };
    for (int redirects = 0;; ++redirects) {
        const QNetworkProxy proxy = named ? *named : SystemProxyFor(current);
        const Answer answer = exchange(current, proxy, counted, limit, deadline);
        if (!self)
            return windowClosed;
        // Nothing of the exchange is left to fire once the error notice below
        // runs, however long it takes.
        if (!answer.error.isEmpty())
            return fail(answer.error);
        if (answer.tooLarge)
            return fail(DescribeSizeLimit(limit.maxBytes));
        if (answer.status == 200) {
            qCDebug(lcTransfer) << name() << url << "complete," << received << "bytes";
            emit StateChanged(TransferState::ResponseCompleted);
            return {};
        }
        if (IsRedirect(answer.status) && !answer.location.isEmpty()) {
            const QUrl target = current.resolved(QUrl::fromEncoded(answer.location));
            if (!IsHttp(target))
                return fail(QStringLiteral("Redirect to %1 refused: only http addresses are followed")
                                .arg(target.toDisplayString()));
            if (redirects == kMaxRedirects)
                return fail(QStringLiteral("More than %1 redirects from ").arg(kMaxRedirects) + url);
            current = target;
            continue;
        }
        return fail(DescribeStatus(answer.status, answer.reason,
                                   proxy.type() == QNetworkProxy::HttpProxy ? answer.proxyName : QString()));
    }
}

TransferChannel::Answer TransferChannel::exchange(const QUrl &url, const QNetworkProxy &proxy, const BodySink &sink,
                                                  const DownloadLimit &limit, QTimer &deadline)
{
    Answer answer;
    QPointer<TransferChannel> self(this);
    QPointer<HttpExchange> exchange = new HttpExchange(url, proxy, this);
    answer.proxyName = exchange->proxyName();
    exchange->onHead = [&answer, &limit](const HttpResponseParser &head) {
        answer.status = head.status();
        answer.reason = head.reason();
        answer.location = head.header("location");
        if (answer.status != 200)
            return false;
        answer.tooLarge =
            head.framing() == HttpResponseParser::Framing::Length && head.contentLength() > limit.maxBytes;
        return !answer.tooLarge;
    };
    exchange->onBody = sink;

    ++d->unfinished;
    // The busy state ends with the exchange, not with the fetch: a handler that
    // runs inside the fetch and waits for the channel must not wait for ever.
    connect(exchange, &HttpExchange::finished, this, [this] { --d->unfinished; });
    QEventLoop loop;
    connect(exchange, &HttpExchange::finished, &loop, &QEventLoop::quit);
    connect(exchange, &QObject::destroyed, &loop, &QEventLoop::quit);
    connect(&deadline, &QTimer::timeout, &loop, [exchange, url, &limit] {
        if (exchange)
            exchange->stop(DescribeDeadline(url, limit.deadlineSeconds));
    });
    QTimer idle;
    idle.setSingleShot(true);
    const int seconds = d->timeoutSeconds;
    if (seconds > 0) {
        connect(exchange, &HttpExchange::progressed, &idle, [&idle, seconds] { idle.start(seconds * 1000); });
        connect(&idle, &QTimer::timeout, &loop, [exchange, url, seconds] {
            if (exchange)
                exchange->stop(DescribeIdleTimeout(url, seconds));
        });
        idle.start(seconds * 1000);
    }

    qCDebug(lcTransfer) << name() << "GET" << url.toDisplayString()
                        << (answer.proxyName.isEmpty() ? QString() : QStringLiteral("via ") + answer.proxyName);
    exchange->start();
    if (!exchange->isFinished())
        loop.exec();

    if (!self || !exchange) {
        answer.error = QStringLiteral("The transfer was cancelled because its window was closed");
        return answer;
    }
    if (!exchange->isFinished()) {
        // The loop was told to quit from outside (the program is ending).
        d->aborted = true;
        exchange->stop(kCancelled);
    }
    answer.error = exchange->error();
    // Its last signal has been handled; the timers and the loop end with this
    // call, so nothing can reach it afterwards.
    delete exchange;
    return answer;
}

} // namespace veldra::transfer
