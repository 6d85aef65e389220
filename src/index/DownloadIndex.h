#pragma once

#include "text/Result.h"

namespace veldra::platform
{
class Progress;
}
namespace veldra::transfer
{
class Channels;
}

namespace veldra::index
{

// Downloads the server's index into the local index file through the HTTP
// channel while the progress display shows how far it got. The error describes
// the failure; the caller reports it.
Status DownloadIndex(transfer::Channels &net, platform::Progress &progress);

} // namespace veldra::index
