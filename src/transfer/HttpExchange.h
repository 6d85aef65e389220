#pragma once

#include "text/Result.h"
#include "transfer/HttpResponseParser.h"

#include <QAbstractSocket>
#include <QNetworkProxy>
#include <QObject>
#include <QUrl>

#include <functional>

class QTcpSocket;

namespace veldra::transfer
{

// One GET request and its answer over one connection of its own, straight to
// the server, through an HTTP proxy (asked for the absolute URL) or through a
// SOCKS5 proxy. The program's own parser reads the answer, so a body counts as
// whole only when it ended properly. Redirects, time-outs and limits are the
// caller's: it sees the head and the body as they arrive and can end the
// exchange at any moment.
class HttpExchange : public QObject
{
    Q_OBJECT
public:
    // Bytes asked of the socket at a time; the socket keeps no more than this.
    static constexpr qint64 kReadSize = 64 * 1024;

    // `proxy` is NoProxy, an HTTP proxy or a SOCKS5 proxy.
    HttpExchange(const QUrl &url, const QNetworkProxy &proxy, QObject *parent = nullptr);
    ~HttpExchange() override;

    // Called once the head of the final answer has arrived; returning false ends
    // the exchange there without an error (a redirect or a status the caller
    // describes itself).
    std::function<bool(const HttpResponseParser &)> onHead;
    // Called with the body's bytes as they arrive; an error ends the exchange
    // with that description.
    std::function<Status(QByteArrayView)> onBody;

    void start();
    // Ends the exchange at once with `why` as its error.
    void stop(const QString &why);

    bool isFinished() const { return m_finished; }
    // Empty when the answer ended properly or onHead let it go.
    QString error() const { return m_error; }
    const HttpResponseParser &answer() const { return m_answer; }
    QUrl url() const { return m_url; }
    // "host:port" of the proxy in use, or empty.
    QString proxyName() const;

signals:
    // The connection was made or bytes arrived.
    void progressed();
    void finished();

private:
    QByteArray requestBytes() const;
    void connected();
    void readAvailable();
    void process(const QByteArray &data);
    void closed();
    void socketError(QAbstractSocket::SocketError error);
    void finish(const QString &why);

    QUrl m_url;
    QNetworkProxy m_proxy;
    QTcpSocket *m_socket = nullptr;
    HttpResponseParser m_answer;
    bool m_headSeen = false;
    bool m_finished = false;
    QString m_error;
};

} // namespace veldra::transfer
