#pragma once

class QString;
class TransferChannel;

// Downloads the server's index into Module1::IndexFile while the progress
// window shows how far it got; a failure is reported in a message box.
void DownloadIndex(TransferChannel &HTTP);
// The same from the library folder at `baseUrl` (ending in "/").
void DownloadIndex(TransferChannel &HTTP, const QString &baseUrl);
