#pragma once

#include "text/Result.h"

#include <QNetworkProxy>
#include <QString>

namespace veldra::transfer
{

// Reads a channel's proxy text "host:port" into an HTTP proxy. The host must
// not be empty and the port must be a whole number from 1 to 65535; otherwise
// fails with a description, so that a bad setting is reported instead
// of quietly connecting without the proxy.
Result<QNetworkProxy> ParseProxyText(const QString &text);

} // namespace veldra::transfer
