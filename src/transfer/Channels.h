#pragma once

#include <QObject>

namespace veldra::settings
{
class Module1;
}

namespace veldra::transfer
{

class TransferChannel;

// The main window's two transfer channels, HTTP and FTP, and the proxy settings
// they follow. Every download goes through HTTP; FTP only ever receives its
// proxy settings.
class Channels : public QObject
{
    Q_OBJECT
public:
    Channels(const settings::Module1 &state, QObject *parent = nullptr);

    TransferChannel &HTTP() const { return *m_http; }
    TransferChannel &FTP() const { return *m_ftp; }
    const settings::Module1 &state() const { return m_state; }

    // ApplyProxy on HTTP with the shared HTTP proxy settings.
    void ApplyHttpProxy();
    // Returns when `channel` is idle, then gives FTP its proxy settings.
    void WaitForTransfer(TransferChannel &channel);

    // Whether either channel has a request under way, and ending them all.
    bool busy() const;
    void abortAll();

private:
    const settings::Module1 &m_state;
    TransferChannel *m_http;
    TransferChannel *m_ftp;
};

} // namespace veldra::transfer
