#include "transfer/ApplyProxy.h"

#include "text/PortText.h"
#include "transfer/TransferChannel.h"

namespace veldra::transfer
{

void ApplyProxy(TransferChannel &channel, const QString &host, const QString &port)
{
    // Exact comparison: "00" or " 0" still asks for the proxy (and then fails
    // with a clear description, since port 0 is no port).
    const bool useProxy = (!host.isEmpty() || !port.isEmpty()) && port != QLatin1String("0");
    if (useProxy) {
        channel.setAccessType(AccessType::NamedProxy);
        channel.setProxy(host + QLatin1Char(':') + text::PortText(port));
    } else {
        channel.setAccessType(AccessType::Default);
    }
}

} // namespace veldra::transfer
