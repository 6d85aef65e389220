#include "transfer/TransferChannel.h"

#include "text/CodePage.h"
#include "transfer/FetchError.h"
#include "transfer/Log.h"
#include "transfer/ProxyText.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QPointer>
#include <QTimer>
#include <QUrl>

namespace veldra::transfer
{

namespace
{

// Access mode 0: whatever the system says for each request (on Linux the
// http_proxy and no_proxy environment), for this channel only.
class SystemProxyFactory : public QNetworkProxyFactory
{
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery &query) override { return systemProxyForQuery(query); }
};

QString ProxyName(const QNetworkProxy &proxy)
{
    if (proxy.type() == QNetworkProxy::NoProxy || proxy.type() == QNetworkProxy::DefaultProxy)
        return QString();
    return proxy.hostName() + QLatin1Char(':') + QString::number(proxy.port());
}

bool IsHttp(const QUrl &url)
{
    return url.isValid() && url.scheme() == QLatin1String("http") && !url.host().isEmpty();
}

} // namespace

struct TransferChannel::Private {
    QString name;
    QNetworkAccessManager *nam = nullptr;
    AccessType accessType = AccessType::Default;
    QString proxyText;
    Protocol protocol = Protocol::HTTP;
    int timeoutSeconds = 60;
    QString url;
    int unfinished = 0; // requests whose reply has not finished
    bool aborted = false;
};

TransferChannel::TransferChannel(const QString &name, QObject *parent)
    : QObject(parent)
    , d(new Private)
{
    setObjectName(name);
    d->name = name;
    d->nam = new QNetworkAccessManager(this);
}

TransferChannel::~TransferChannel()
{
    // The replies go first, while the busy count they update still exists.
    delete d->nam;
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
    const auto replies = d->nam->findChildren<QNetworkReply *>();
    for (QNetworkReply *reply : replies)
        reply->abort();
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

Result<QString> TransferChannel::OpenURL(const QString &url)
{
    Result<QByteArray> body = Fetch(url);
    if (!body)
        return Error{body.error()};
    return text::DecodeAnsi(body.value());
}

Result<QByteArray> TransferChannel::OpenURLBytes(const QString &url)
{
    return Fetch(url);
}

Result<QByteArray> TransferChannel::Fetch(const QString &url)
{
    const auto fail = [this, &url](const QString &description) -> Result<QByteArray> {
        qCDebug(lcTransfer) << name() << url << "failed:" << description;
        emit StateChanged(TransferState::Error);
        return Error{description};
    };

    d->aborted = false;
    QString proxyName;
    if (d->accessType == AccessType::NamedProxy) {
        const Result<QNetworkProxy> proxy = ParseProxyText(d->proxyText);
        if (!proxy)
            return fail(proxy.error());
        d->nam->setProxy(proxy.value());
        proxyName = ProxyName(proxy.value());
    } else {
        d->nam->setProxyFactory(new SystemProxyFactory);
    }

    const QUrl target(url);
    if (!IsHttp(target))
        return fail(QStringLiteral("Not an http address: ") + url);
    QNetworkRequest request(target);
    // Qt follows http redirects itself (and never to a scheme it cannot
    // fetch); a redirect to https is refused below, so the channel stays on http.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);

    QPointer<TransferChannel> self(this);
    QPointer<QNetworkReply> reply = d->nam->get(request);
    ++d->unfinished;
    // The busy state ends with the reply, not with this call: a handler that
    // runs inside this fetch and waits for the channel must not wait for ever.
    connect(reply, &QNetworkReply::finished, this, [this] { --d->unfinished; });

    QEventLoop loop;
    QTimer idle;
    idle.setSingleShot(true);
    bool timedOut = false;
    QString refusedRedirect;
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    connect(reply, &QObject::destroyed, &loop, &QEventLoop::quit);
    connect(reply, &QNetworkReply::redirected, &loop, [&](const QUrl &to) {
        if (!IsHttp(to)) {
            refusedRedirect = to.toDisplayString();
            reply->abort();
        }
    });
    connect(&idle, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    if (d->timeoutSeconds > 0) {
        const int ms = d->timeoutSeconds * 1000;
        const auto restart = [&idle, ms] { idle.start(ms); };
        connect(reply, &QNetworkReply::metaDataChanged, &idle, restart);
        connect(reply, &QNetworkReply::downloadProgress, &idle, restart);
        idle.start(ms);
    }

    qCDebug(lcTransfer) << name() << "GET" << url
                        << (proxyName.isEmpty() ? QString() : QStringLiteral("via ") + proxyName);
    emit StateChanged(TransferState::Requesting);
    if (reply && !reply->isFinished())
        loop.exec();
    idle.stop();

    if (!self || !reply)
        return Error{QStringLiteral("The transfer was cancelled because its window was closed")};
    if (!reply->isFinished()) {
        // The loop was told to quit from outside (the program is ending).
        d->aborted = true;
        reply->abort();
    }
    if (refusedRedirect.isEmpty() && reply->error() == QNetworkReply::ProtocolUnknownError &&
        reply->hasRawHeader("Location"))
        refusedRedirect = reply->url().resolved(QUrl::fromEncoded(reply->rawHeader("Location"))).toDisplayString();
    QByteArray body;
    if (reply->isOpen())
        body = reply->readAll();
    if (d->accessType != AccessType::NamedProxy && reply->error() != QNetworkReply::NoError) {
        // Name the system's proxy, if any, in the description.
        const QList<QNetworkProxy> system = QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(target));
        if (!system.isEmpty())
            proxyName = ProxyName(system.first());
    }
    QString why;
    if (timedOut)
        why = QStringLiteral("Time-out: no answer from %1 within %2 second%3")
                  .arg(reply->url().host() + QLatin1Char(':') + QString::number(reply->url().port(80)))
                  .arg(d->timeoutSeconds)
                  .arg(d->timeoutSeconds == 1 ? QLatin1String() : QLatin1String("s"));
    else if (d->aborted)
        why = QStringLiteral("The transfer was cancelled");
    else if (!refusedRedirect.isEmpty())
        why = QStringLiteral("Redirect to %1 refused: only http addresses are followed").arg(refusedRedirect);
    else
        why = DescribeFetchFailure(reply, body.size(), proxyName);
    reply->deleteLater();
    if (!why.isEmpty())
        return fail(why);
    qCDebug(lcTransfer) << name() << url << "complete," << body.size() << "bytes";
    emit StateChanged(TransferState::ResponseCompleted);
    return body;
}

} // namespace veldra::transfer
