#include "transfer/Channels.h"

#include "transfer/ApplyProxy.h"
#include "transfer/TransferChannel.h"

#include <QCoreApplication>

namespace veldra::transfer
{

Channels::Channels(QObject *parent)
    : QObject(parent)
    , m_http(new TransferChannel(QStringLiteral("HTTP"), this))
    , m_ftp(new TransferChannel(QStringLiteral("FTP"), this))
{
}

void Channels::ApplyHttpProxy(const ProxyValues &proxies)
{
    ApplyProxy(*m_http, proxies.httpHost, proxies.httpPort);
}

void Channels::WaitForTransfer(TransferChannel &channel, const ProxyValues &proxies)
{
    // Sleeps in the event loop until the request finishes, rather than polling.
    while (channel.StillExecuting())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    ApplyProxy(*m_ftp, proxies.ftpHost, proxies.ftpPort);
}

bool Channels::busy() const
{
    return m_http->StillExecuting() || m_ftp->StillExecuting();
}

void Channels::abortAll()
{
    m_http->abort();
    m_ftp->abort();
}

} // namespace veldra::transfer
