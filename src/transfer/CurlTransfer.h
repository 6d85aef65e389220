#pragma once

#include "transfer/FetchRequest.h"
#include "transfer/ResponseHead.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <curl/curl.h>

#include <functional>

namespace veldra::transfer
{

class CurlMulti;

// One request on an easy handle of its own, run by a CurlMulti. The answer is
// checked while it arrives: only a 200 answer's body reaches the sink, within
// the size limit (counted after decoding); an announced length over the limit
// and a redirect that is not allowed end it at the head; the deadline and the
// request time-out end it from timers of its own. Everything it came to is in
// outcome() once it has finished.
class CurlTransfer : public QObject
{
    Q_OBJECT
public:
    CurlTransfer(FetchRequest request, BodySink sink, QObject *parent = nullptr);
    ~CurlTransfer() override;
    CurlTransfer(const CurlTransfer &) = delete;
    CurlTransfer &operator=(const CurlTransfer &) = delete;

    // Sets curl up for the request. Fails, before anything is sent, for an
    // address that is not http or https or a proxy text that cannot be used.
    Status prepare();

    // Runs once, when the transfer has ended, from the event loop.
    std::function<void()> onFinished;
    // Runs from the event loop whenever more of the body has arrived.
    BytesReport onBytes;

    bool finished() const { return m_finished; }
    const FetchOutcome &outcome() const { return m_outcome; }
    const FetchRequest &request() const { return m_request; }
    // "host:port" of the named proxy, or empty.
    QString proxyName() const { return m_proxyName; }

    // CurlMulti's side.
    CURL *handle() const { return m_easy; }
    void started(CurlMulti *multi);
    // Asked from inside a curl callback: stop taking bytes; the end follows.
    void requestCancel(const QString &why, bool byUser);
    // curl is done with it (its handle is off the multi handle).
    void finish(CURLcode result);
    void finishCancelled(const QString &why, bool byUser);
    void finishWith(const QString &failure);
    // Hands the end on: the last bytes report, then onFinished.
    void notifyFinished();
    void reportBytes();

private:
    static size_t WriteCallback(char *data, size_t size, size_t count, void *self);
    static size_t HeaderCallback(char *data, size_t size, size_t count, void *self);
    bool takeBody(QByteArrayView piece);
    bool takeHeaderLine(QByteArrayView line);
    bool redirectAllowed();
    void checkIdle();
    void stop(const QString &failure);
    void end();
    QString describe(CURLcode result) const;

    FetchRequest m_request;
    BodySink m_sink;
    CURL *m_easy = nullptr;
    curl_slist *m_headers = nullptr;
    char m_curlError[CURL_ERROR_SIZE] = {};
    ResponseHead m_head;
    QString m_proxyName;
    QString m_caFile;
    // Set inside a callback: the reason the transfer was stopped.
    QString m_failure;
    bool m_cancelRequested = false;
    bool m_cancelByUser = false;
    bool m_finished = false;
    bool m_notified = false;
    qint64 m_total = -1;    // announced size of the body, for the reports
    qint64 m_reported = -1; // bytes last reported
    FetchOutcome m_outcome;
    QPointer<CurlMulti> m_multi;
    QTimer m_deadline;
    QTimer m_idle;
    QElapsedTimer m_sinceData;
};

} // namespace veldra::transfer
