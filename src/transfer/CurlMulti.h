#pragma once

#include <QObject>
#include <QTimer>

#include <curl/curl.h>

#include <map>
#include <memory>
#include <vector>

class QSocketNotifier;

namespace veldra::transfer
{

class CurlTransfer;

// One curl multi handle driven by the thread's event loop: curl says which
// sockets to watch for what and when to wake it, a socket notifier per socket
// and direction and one single-shot timer do so. Any number of transfers run
// on it at once and share its connections.
//
// curl must never be called from inside one of its own callbacks. The
// callbacks here only adjust notifiers and the timer; a transfer's end is
// handed on after curl has returned, and a cancel asked for from inside a
// callback (a sink that aborts) is carried out by a queued call.
class CurlMulti : public QObject
{
    Q_OBJECT
public:
    explicit CurlMulti(QObject *parent = nullptr);
    // Running transfers end, cancelled because their window was closed.
    ~CurlMulti() override;

    // False when curl could not be set up at all.
    bool valid() const { return m_multi != nullptr; }

    // Starts `transfer`, which must stay alive until it has finished (its
    // finish handler ran) or has been cancelled.
    void add(CurlTransfer *transfer);
    // Ends `transfer` with `why`; `byUser` marks it cancelled by the user.
    void cancel(CurlTransfer *transfer, const QString &why, bool byUser);
    void cancelAll(const QString &why, bool byUser);
    // Forgets a transfer that is being destroyed, without a finish.
    void detach(CurlTransfer *transfer);

    int running() const { return int(m_transfers.size()); }

private:
    struct Watch {
        std::unique_ptr<QSocketNotifier> read;
        std::unique_ptr<QSocketNotifier> write;
    };

    static int SocketCallback(CURL *easy, curl_socket_t socket, int what, void *self, void *socketData);
    static int TimerCallback(CURLM *multi, long timeoutMs, void *self);
    void watch(curl_socket_t socket, int what);
    void notifier(std::unique_ptr<QSocketNotifier> &slot, curl_socket_t socket, bool wanted, bool forWriting);
    void act(curl_socket_t socket, int events);
    // After curl returned: reports the bytes of running transfers and ends the
    // finished ones.
    void afterCurl();
    // Takes the transfer off the multi handle; true when it was on it.
    bool takeOff(CurlTransfer *transfer);

    CURLM *m_multi = nullptr;
    QTimer m_timer;
    std::map<curl_socket_t, Watch> m_sockets;
    std::vector<CurlTransfer *> m_transfers;
    bool m_inCurl = false;
};

} // namespace veldra::transfer
