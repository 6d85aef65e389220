#pragma once

#include "text/Result.h"

namespace veldra::settings
{
class Module1;
}
namespace veldra::transfer
{
class Channels;
class Progress;
} // namespace veldra::transfer

namespace veldra::index
{

// Downloads the server's index into the local index file through the HTTP
// channel while the progress display shows how far it got. The error describes
// the failure; the caller reports it.
Status DownloadIndex(transfer::Channels &net, const settings::Module1 &state, transfer::Progress &progress);

} // namespace veldra::index
