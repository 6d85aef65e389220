#pragma once

#include <QString>

class TransferChannel;

// Uses the named proxy when host or port is given and the port text is not
// exactly "0"; otherwise the system's default connection settings.
void ApplyProxy(TransferChannel &channel, const QString &host, const QString &port);

// Returns when the channel is idle, then gives the FTP channel its proxy settings.
void WaitForTransfer(TransferChannel &channel);
