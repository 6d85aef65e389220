#include "transfer/CurlMulti.h"

#include "transfer/CurlLibrary.h"

#include "transfer/CurlTransfer.h"
#include "transfer/Log.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>

#include <algorithm>
#include <climits>

namespace veldra::transfer
{

namespace
{

// Marks the time spent inside a curl call, during which curl may call back.
class InCurl
{
public:
    explicit InCurl(bool &flag)
        : m_flag(flag)
        , m_was(flag)
    {
        m_flag = true;
    }
    ~InCurl() { m_flag = m_was; }
    InCurl(const InCurl &) = delete;
    InCurl &operator=(const InCurl &) = delete;

private:
    bool &m_flag;
    bool m_was;
};

} // namespace

CurlMulti::CurlMulti(QObject *parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] { act(CURL_SOCKET_TIMEOUT, 0); });
    // Without the library no transfer starts; each reports why.
    if (!Curl())
        return;
    m_multi = Curl()->multi_init();
    if (!m_multi)
        return;
    Curl()->multi_setopt(m_multi, CURLMOPT_SOCKETFUNCTION, &CurlMulti::SocketCallback);
    Curl()->multi_setopt(m_multi, CURLMOPT_SOCKETDATA, this);
    Curl()->multi_setopt(m_multi, CURLMOPT_TIMERFUNCTION, &CurlMulti::TimerCallback);
    Curl()->multi_setopt(m_multi, CURLMOPT_TIMERDATA, this);
}

CurlMulti::~CurlMulti()
{
    cancelAll(QCoreApplication::translate("transfer", "The transfer was cancelled because its window was closed"),
              false);
    if (m_multi)
        Curl()->multi_cleanup(m_multi);
    // Whatever curl still watched goes with the handle.
    m_sockets.clear();
}

void CurlMulti::add(CurlTransfer *transfer)
{
    if (!m_multi) {
        transfer->finishWith(QCoreApplication::translate("transfer", "The network library could not be set up"));
        transfer->notifyFinished();
        return;
    }
    CURLMcode added = CURLM_OK;
    {
        InCurl inside(m_inCurl);
        added = Curl()->multi_add_handle(m_multi, transfer->handle());
    }
    if (added != CURLM_OK) {
        transfer->finishWith(QString::fromUtf8(Curl()->multi_strerror(added)));
        transfer->notifyFinished();
        return;
    }
    m_transfers.push_back(transfer);
    transfer->started(this);
}

bool CurlMulti::takeOff(CurlTransfer *transfer)
{
    const auto it = std::find(m_transfers.begin(), m_transfers.end(), transfer);
    if (it == m_transfers.end())
        return false;
    m_transfers.erase(it);
    InCurl inside(m_inCurl);
    Curl()->multi_remove_handle(m_multi, transfer->handle());
    return true;
}

void CurlMulti::cancel(CurlTransfer *transfer, const QString &why, bool byUser)
{
    if (std::find(m_transfers.begin(), m_transfers.end(), transfer) == m_transfers.end())
        return;
    if (m_inCurl) {
        // Asked from inside a callback: the transfer stops taking bytes now,
        // and leaves the multi handle once curl has returned.
        transfer->requestCancel(why, byUser);
        QPointer<CurlTransfer> later(transfer);
        QMetaObject::invokeMethod(
            this,
            [this, later, why, byUser] {
                if (later)
                    cancel(later, why, byUser);
            },
            Qt::QueuedConnection);
        return;
    }
    takeOff(transfer);
    transfer->finishCancelled(why, byUser);
    transfer->notifyFinished();
}

void CurlMulti::cancelAll(const QString &why, bool byUser)
{
    const std::vector<QPointer<CurlTransfer>> all(m_transfers.begin(), m_transfers.end());
    QPointer<CurlMulti> self(this);
    for (const QPointer<CurlTransfer> &transfer : all) {
        if (!self)
            return;
        if (transfer)
            cancel(transfer, why, byUser);
    }
}

void CurlMulti::detach(CurlTransfer *transfer)
{
    takeOff(transfer);
}

int CurlMulti::SocketCallback(CURL *, curl_socket_t socket, int what, void *self, void *)
{
    static_cast<CurlMulti *>(self)->watch(socket, what);
    return 0;
}

int CurlMulti::TimerCallback(CURLM *, long timeoutMs, void *self)
{
    QTimer &timer = static_cast<CurlMulti *>(self)->m_timer;
    // 0 asks to be called again at once: that happens from the event loop,
    // never from here.
    if (timeoutMs < 0)
        timer.stop();
    else
        timer.start(int(std::min<long>(timeoutMs, INT_MAX)));
    return 0;
}

void CurlMulti::watch(curl_socket_t socket, int what)
{
    if (what == CURL_POLL_REMOVE) {
        // At once: curl may close the socket next, and its number can come
        // back for a new one before the event loop runs again.
        m_sockets.erase(socket);
        return;
    }
    Watch &w = m_sockets[socket];
    notifier(w.read, socket, what == CURL_POLL_IN || what == CURL_POLL_INOUT, false);
    notifier(w.write, socket, what == CURL_POLL_OUT || what == CURL_POLL_INOUT, true);
}

void CurlMulti::notifier(std::unique_ptr<QSocketNotifier> &slot, curl_socket_t socket, bool wanted, bool forWriting)
{
    if (!wanted) {
        if (slot)
            slot->setEnabled(false);
        return;
    }
    if (slot) {
        slot->setEnabled(true);
        return;
    }
    slot = std::make_unique<QSocketNotifier>(socket, forWriting ? QSocketNotifier::Write : QSocketNotifier::Read);
    const int events = forWriting ? CURL_CSELECT_OUT : CURL_CSELECT_IN;
    connect(slot.get(), &QSocketNotifier::activated, this, [this, socket, events] { act(socket, events); });
}

void CurlMulti::act(curl_socket_t socket, int events)
{
    if (m_inCurl) {
        // Only a nested event loop inside a callback could get here; curl is
        // asked again once it has returned.
        QMetaObject::invokeMethod(
            this, [this, socket, events] { act(socket, events); }, Qt::QueuedConnection);
        return;
    }
    int running = 0;
    {
        InCurl inside(m_inCurl);
        Curl()->multi_socket_action(m_multi, socket, events, &running);
    }
    afterCurl();
}

void CurlMulti::afterCurl()
{
    std::vector<QPointer<CurlTransfer>> finished;
    {
        InCurl inside(m_inCurl);
        int left = 0;
        while (CURLMsg *message = Curl()->multi_info_read(m_multi, &left)) {
            if (message->msg != CURLMSG_DONE)
                continue;
            void *owner = nullptr;
            Curl()->easy_getinfo(message->easy_handle, CURLINFO_PRIVATE, &owner);
            auto *transfer = static_cast<CurlTransfer *>(owner);
            const CURLcode result = message->data.result;
            const auto it = std::find(m_transfers.begin(), m_transfers.end(), transfer);
            if (it == m_transfers.end())
                continue;
            m_transfers.erase(it);
            Curl()->multi_remove_handle(m_multi, transfer->handle());
            transfer->finish(result);
            finished.push_back(transfer);
        }
    }
    // The handlers below may start or end transfers, or end this object.
    QPointer<CurlMulti> self(this);
    const std::vector<QPointer<CurlTransfer>> running(m_transfers.begin(), m_transfers.end());
    for (const QPointer<CurlTransfer> &transfer : running) {
        if (!self)
            return;
        if (transfer)
            transfer->reportBytes();
    }
    for (const QPointer<CurlTransfer> &transfer : finished) {
        if (!self)
            return;
        if (transfer)
            transfer->notifyFinished();
    }
}

} // namespace veldra::transfer
