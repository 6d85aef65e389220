#include "transfer/ApplyProxy.h"

#include "platform/Events.h"
#include "settings/Module1.h"
#include "settings/PortText.h"
#include "transfer/TransferChannel.h"

void ApplyProxy(TransferChannel &channel, const QString &host, const QString &port)
{
    // Exact comparison: "00" or " 0" still asks for the proxy (and then fails
    // with a clear description, since port 0 is no port).
    const bool useProxy = (!host.isEmpty() || !port.isEmpty()) && port != QLatin1String("0");
    if (useProxy) {
        channel.setAccessType(TransferChannel::NamedProxy);
        channel.setProxy(host + QLatin1Char(':') + PortText(port));
    } else {
        channel.setAccessType(TransferChannel::DefaultAccess);
    }
}

void WaitForTransfer(TransferChannel &channel)
{
    // Sleeps in the event loop until the reply finishes, rather than polling.
    while (channel.StillExecuting())
        platform::WaitForEvents();
    if (TransferChannel *ftp = FtpChannel())
        ApplyProxy(*ftp, Module1::FtpProxy, Module1::FtpProxyPort);
}
