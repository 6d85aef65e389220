#pragma once

#include <QString>

namespace veldra::transfer
{

class TransferChannel;

// Uses the named proxy when host or port is given and the port text is not
// exactly "0"; otherwise the system's default connection settings.
void ApplyProxy(TransferChannel &channel, const QString &host, const QString &port);

} // namespace veldra::transfer
