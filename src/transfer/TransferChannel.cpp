#include "transfer/TransferChannel.h"

#include "platform/CodePage.h"
#include "transfer/FetchError.h"
#include "transfer/ProxyText.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QPointer>
#include <QTimer>
#include <QUrl>

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
    int accessType = DefaultAccess;
    QString proxyText;
    int protocol = ProtocolHTTP;
    int timeoutSeconds = 60;
    QString url;
    int unfinished = 0; // requests whose reply has not finished
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

void TransferChannel::setAccessType(int mode)
{
    d->accessType = mode;
}

int TransferChannel::accessType() const
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

void TransferChannel::setProtocol(int protocol)
{
    d->protocol = protocol;
}

int TransferChannel::protocol() const
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

bool TransferChannel::OpenURL(const QString &url, QString *text, QString *error)
{
    QByteArray body;
    const bool ok = Fetch(url, &body, error);
    *text = ok ? platform::DecodeAnsi(body) : QString();
    return ok;
}

bool TransferChannel::OpenURLBytes(const QString &url, QByteArray *bytes, QString *error)
{
    QByteArray body;
    const bool ok = Fetch(url, &body, error);
    *bytes = ok ? body : QByteArray();
    return ok;
}

bool TransferChannel::Fetch(const QString &url, QByteArray *body, QString *error)
{
    const auto fail = [this, error](const QString &description) {
        if (error)
            *error = description;
        emit StateChanged(StateError);
        return false;
    };

    QString proxyName;
    if (d->accessType == NamedProxy) {
        QNetworkProxy proxy;
        QString why;
        if (!ParseProxyText(d->proxyText, &proxy, &why))
            return fail(why);
        d->nam->setProxy(proxy);
        proxyName = ProxyName(proxy);
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

    emit StateChanged(StateRequesting);
    if (reply && !reply->isFinished())
        loop.exec();
    idle.stop();

    if (!self || !reply) {
        if (error)
            *error = QStringLiteral("The transfer was cancelled because its window was closed");
        return false;
    }
    if (refusedRedirect.isEmpty() && reply->error() == QNetworkReply::ProtocolUnknownError &&
        reply->hasRawHeader("Location"))
        refusedRedirect = reply->url().resolved(QUrl::fromEncoded(reply->rawHeader("Location"))).toDisplayString();
    if (reply->isOpen())
        *body = reply->readAll();
    if (d->accessType != NamedProxy && reply->error() != QNetworkReply::NoError) {
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
    else if (!refusedRedirect.isEmpty())
        why = QStringLiteral("Redirect to %1 refused: only http addresses are followed").arg(refusedRedirect);
    else
        why = DescribeFetchFailure(reply, body->size(), proxyName);
    reply->deleteLater();
    if (!why.isEmpty()) {
        body->clear();
        return fail(why);
    }
    emit StateChanged(StateResponseCompleted);
    return true;
}

namespace
{
QPointer<TransferChannel> g_ftp;
}

void SetFtpChannel(TransferChannel *ftp)
{
    g_ftp = ftp;
}

TransferChannel *FtpChannel()
{
    return g_ftp;
}
