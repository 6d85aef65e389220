#pragma once

#include "text/Result.h"

#include <QString>

namespace veldra::transfer
{

// A named HTTP proxy.
struct ProxyAddress {
    QString host;
    quint16 port = 0;
};

// Reads a channel's proxy text "host:port" into an HTTP proxy. The host must
// not be empty and the port must be a whole number from 1 to 65535; otherwise
// fails with a description, so that a bad setting is reported instead
// of quietly connecting without the proxy.
Result<ProxyAddress> ParseProxyText(const QString &text);

} // namespace veldra::transfer
