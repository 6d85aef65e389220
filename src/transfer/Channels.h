#pragma once

#include <QObject>
#include <QString>

namespace veldra::transfer
{

class TransferChannel;

// The proxy values the channels follow, as the user's settings hold them:
// host texts and port texts, used as the proxy rule reads them.
struct ProxyValues {
    QString httpHost;
    QString httpPort;
    QString ftpHost;
    QString ftpPort;
};

// The main window's two transfer channels, HTTP and FTP. Every download goes
// through HTTP; FTP only ever receives its proxy settings. The proxy values
// are handed in with each call, so the channels keep no copy that could go
// stale when the user changes them.
class Channels : public QObject
{
    Q_OBJECT
public:
    explicit Channels(QObject *parent = nullptr);

    TransferChannel &HTTP() const { return *m_http; }
    TransferChannel &FTP() const { return *m_ftp; }

    // ApplyProxy on HTTP with the HTTP proxy values.
    void ApplyHttpProxy(const ProxyValues &proxies);
    // Returns when `channel` is idle, then gives FTP its proxy values.
    void WaitForTransfer(TransferChannel &channel, const ProxyValues &proxies);

    // Whether either channel has a request under way, and ending them all.
    bool busy() const;
    void abortAll();

private:
    TransferChannel *m_http;
    TransferChannel *m_ftp;
};

} // namespace veldra::transfer
