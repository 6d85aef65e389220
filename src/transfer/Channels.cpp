#include "transfer/Channels.h"

#include "platform/Events.h"
#include "settings/Module1.h"
#include "transfer/ApplyProxy.h"
#include "transfer/TransferChannel.h"

namespace veldra::transfer
{

Channels::Channels(const settings::Module1 &state, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_http(new TransferChannel(QStringLiteral("HTTP"), this))
    , m_ftp(new TransferChannel(QStringLiteral("FTP"), this))
{
}

void Channels::ApplyHttpProxy()
{
    ApplyProxy(*m_http, m_state.HttpProxy, m_state.HttpProxyPort);
}

void Channels::WaitForTransfer(TransferChannel &channel)
{
    // Sleeps in the event loop until the reply finishes, rather than polling.
    while (channel.StillExecuting())
        platform::WaitForEvents();
    ApplyProxy(*m_ftp, m_state.FtpProxy, m_state.FtpProxyPort);
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
