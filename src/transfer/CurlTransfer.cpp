#include "transfer/CurlTransfer.h"

#include "transfer/CurlLibrary.h"

#include "transfer/CurlFailure.h"
#include "transfer/CurlMulti.h"
#include "transfer/CurlOptions.h"
#include "transfer/FetchError.h"
#include "transfer/Log.h"

#include <QCoreApplication>
#include <QUrl>

#include <algorithm>

namespace veldra::transfer
{

namespace
{

bool IsWebAddress(const QUrl &url)
{
    return url.isValid() && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) &&
           !url.host().isEmpty();
}

QUrl EffectiveUrl(CURL *easy, const QUrl &fallback)
{
    const char *url = nullptr;
    if (Curl()->easy_getinfo(easy, CURLINFO_EFFECTIVE_URL, &url) == CURLE_OK && url)
        return QUrl::fromEncoded(QByteArray(url));
    return fallback;
}

long LongInfo(CURL *easy, CURLINFO what)
{
    long value = 0;
    Curl()->easy_getinfo(easy, what, &value);
    return value;
}

} // namespace

CurlTransfer::CurlTransfer(FetchRequest request, BodySink sink, QObject *parent)
    : QObject(parent)
    , m_request(std::move(request))
    , m_sink(std::move(sink))
{
    m_deadline.setSingleShot(true);
    m_idle.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this,
            [this] { stop(DescribeDeadline(QUrl(m_request.url), m_request.limit.deadlineSeconds)); });
    connect(&m_idle, &QTimer::timeout, this, &CurlTransfer::checkIdle);
}

CurlTransfer::~CurlTransfer()
{
    if (m_multi)
        m_multi->detach(this);
    if (m_easy)
        Curl()->easy_cleanup(m_easy);
    Curl()->slist_free_all(m_headers);
}

Status CurlTransfer::prepare()
{
    const QUrl url(m_request.url);
    if (!IsWebAddress(url))
        return Error{QCoreApplication::translate("transfer", "Not an http or https address: ") + m_request.url};
    if (!Curl())
        return Error{QCoreApplication::translate("transfer", "The network library cannot be loaded: ") +
                     CurlLoadError()};
    m_easy = Curl()->easy_init();
    if (!m_easy)
        return Error{QCoreApplication::translate("transfer", "The network library could not be set up")};
    const Result<EasyOptions> options = SetEasyOptions(m_easy, m_request, &m_headers);
    if (!options)
        return Error{options.error()};
    m_proxyName = options->proxyName;
    m_caFile = options->caFile;
    Curl()->easy_setopt(m_easy, CURLOPT_ERRORBUFFER, m_curlError);
    Curl()->easy_setopt(m_easy, CURLOPT_PRIVATE, static_cast<void *>(this));
    Curl()->easy_setopt(m_easy, CURLOPT_WRITEFUNCTION, &CurlTransfer::WriteCallback);
    Curl()->easy_setopt(m_easy, CURLOPT_WRITEDATA, static_cast<void *>(this));
    Curl()->easy_setopt(m_easy, CURLOPT_HEADERFUNCTION, &CurlTransfer::HeaderCallback);
    Curl()->easy_setopt(m_easy, CURLOPT_HEADERDATA, static_cast<void *>(this));
    return {};
}

void CurlTransfer::started(CurlMulti *multi)
{
    m_multi = multi;
    m_sinceData.start();
    if (m_request.limit.deadlineSeconds > 0)
        m_deadline.start(m_request.limit.deadlineSeconds * 1000);
    if (m_request.idleSeconds > 0)
        m_idle.start(m_request.idleSeconds * 1000);
    qCDebug(lcTransfer) << "GET" << m_request.url
                        << (m_proxyName.isEmpty() ? QString() : QStringLiteral("via ") + m_proxyName);
}

size_t CurlTransfer::WriteCallback(char *data, size_t size, size_t count, void *self)
{
    const size_t bytes = size * count;
    return static_cast<CurlTransfer *>(self)->takeBody(QByteArrayView(data, qsizetype(bytes))) ? bytes : 0;
}

size_t CurlTransfer::HeaderCallback(char *data, size_t size, size_t count, void *self)
{
    const size_t bytes = size * count;
    return static_cast<CurlTransfer *>(self)->takeHeaderLine(QByteArrayView(data, qsizetype(bytes))) ? bytes : 0;
}

bool CurlTransfer::takeHeaderLine(QByteArrayView line)
{
    m_sinceData.start();
    if (m_cancelRequested)
        return false;
    const bool wasComplete = m_head.complete();
    m_head.feed(line);
    if (wasComplete || !m_head.complete() || m_head.interim())
        return true;
    if (m_head.redirect())
        return redirectAllowed();
    if (m_head.status() != 200)
        return true;
    // An announced body over the limit is refused before any of it is read;
    // an encoded one is judged by what it decodes to.
    if (!m_head.encoded() && m_head.contentLength() > m_request.limit.maxBytes) {
        m_failure = DescribeSizeLimit(m_request.limit.maxBytes);
        return false;
    }
    m_total = m_head.encoded() ? -1 : m_head.contentLength();
    return true;
}

bool CurlTransfer::redirectAllowed()
{
    const QUrl from = EffectiveUrl(m_easy, QUrl(m_request.url));
    const QUrl to = from.resolved(QUrl::fromEncoded(m_head.location()));
    const bool web = to.scheme() == QLatin1String("http") || to.scheme() == QLatin1String("https");
    if (web && !(from.scheme() == QLatin1String("https") && to.scheme() == QLatin1String("http")))
        return true;
    m_failure = DescribeRedirectRefused(from, to);
    return false;
}

bool CurlTransfer::takeBody(QByteArrayView piece)
{
    m_sinceData.start();
    if (m_cancelRequested)
        return false;
    if (m_head.status() != 200) {
        // The page that comes with a redirect is not read; the one of an
        // error answer ends the transfer with the status.
        if (m_head.redirect())
            return true;
        m_failure = DescribeStatus(m_head.status(), QString::fromLatin1(m_head.reason()), m_proxyName);
        return false;
    }
    if (piece.size() > m_request.limit.maxBytes - m_outcome.received) {
        m_failure = DescribeSizeLimit(m_request.limit.maxBytes);
        return false;
    }
    m_outcome.received += piece.size();
    if (m_sink) {
        if (const Status taken = m_sink(piece); !taken) {
            m_failure = taken.error();
            return false;
        }
    }
    return true;
}

void CurlTransfer::checkIdle()
{
    const qint64 limit = qint64(m_request.idleSeconds) * 1000;
    const qint64 quiet = m_sinceData.elapsed();
    if (quiet < limit) {
        m_idle.start(int(limit - quiet));
        return;
    }
    stop(DescribeIdleTimeout(EffectiveUrl(m_easy, QUrl(m_request.url)), m_request.idleSeconds));
}

void CurlTransfer::stop(const QString &failure)
{
    if (m_multi)
        m_multi->cancel(this, failure, false);
}

void CurlTransfer::requestCancel(const QString &why, bool byUser)
{
    if (m_cancelRequested || m_finished)
        return;
    m_cancelRequested = true;
    m_cancelByUser = byUser;
    m_failure = why;
}

void CurlTransfer::end()
{
    m_finished = true;
    m_multi.clear();
    m_deadline.stop();
    m_idle.stop();
    m_outcome.httpStatus = m_head.complete() && !m_head.interim() ? m_head.status() : 0;
    m_outcome.etag = m_head.etag();
    m_outcome.lastModified = m_head.lastModified();
}

void CurlTransfer::finish(CURLcode result)
{
    if (m_finished)
        return;
    end();
    if (m_cancelRequested) {
        m_outcome.status = Error{m_failure};
        m_outcome.cancelled = m_cancelByUser;
    } else if (!m_failure.isEmpty()) {
        m_outcome.status = Error{m_failure};
    } else if (result != CURLE_OK) {
        m_outcome.status = Error{describe(result)};
    } else if (m_outcome.httpStatus == 304 && m_request.conditional()) {
        m_outcome.status = Status();
    } else if (m_outcome.httpStatus != 200) {
        m_outcome.status =
            Error{DescribeStatus(m_outcome.httpStatus, QString::fromLatin1(m_head.reason()), m_proxyName)};
    }
    qCDebug(lcTransfer) << m_request.url
                        << "ended:" << (m_outcome.status ? QStringLiteral("ok") : m_outcome.status.error())
                        << m_outcome.received << "bytes";
}

void CurlTransfer::finishCancelled(const QString &why, bool byUser)
{
    if (m_finished)
        return;
    end();
    // A cancel asked for inside a callback keeps its own reason.
    const bool asked = m_cancelRequested;
    m_outcome.status = Error{asked ? m_failure : why};
    m_outcome.cancelled = asked ? m_cancelByUser : byUser;
    qCDebug(lcTransfer) << m_request.url << "ended:" << m_outcome.status.error();
}

void CurlTransfer::finishWith(const QString &failure)
{
    if (m_finished)
        return;
    end();
    m_outcome.status = Error{failure};
}

void CurlTransfer::notifyFinished()
{
    if (m_notified)
        return;
    m_notified = true;
    QPointer<CurlTransfer> self(this);
    reportBytes();
    if (self && onFinished)
        onFinished();
}

void CurlTransfer::reportBytes()
{
    if (!onBytes || m_outcome.received == m_reported)
        return;
    m_reported = m_outcome.received;
    onBytes(m_outcome.received, m_total);
}

QString CurlTransfer::describe(CURLcode result) const
{
    CurlFailure f;
    f.code = result;
    f.curlText = QString::fromUtf8(m_curlError).trimmed();
    if (f.curlText.isEmpty())
        f.curlText = QString::fromUtf8(Curl()->easy_strerror(result));
    f.requested = QUrl(m_request.url);
    f.url = EffectiveUrl(m_easy, f.requested);
    f.proxyName = m_proxyName;
    f.osError = LongInfo(m_easy, CURLINFO_OS_ERRNO);
    f.verifyResult = LongInfo(m_easy, CURLINFO_SSL_VERIFYRESULT);
    f.connectCode = LongInfo(m_easy, CURLINFO_HTTP_CONNECTCODE);
    f.answered = m_head.answered();
    f.headDone = m_head.complete() && !m_head.interim();
    f.received = m_outcome.received;
    f.announced = m_head.encoded() ? -1 : m_head.contentLength();
    f.caFile = m_caFile;
    f.limit = m_request.limit;
    return DescribeCurlFailure(f);
}

} // namespace veldra::transfer
