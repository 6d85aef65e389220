#pragma once

#include "text/Result.h"

#include <QString>

namespace veldra::settings
{
class Module1;
}
namespace veldra::transfer
{
class Channels;
class Progress;
} // namespace veldra::transfer

namespace veldra::faq
{

// Downloads `fileName` from the server's library folder into the program
// folder while the progress display shows it, and closes the display. Gives
// the local copy's path, which becomes the shared FaqFile, or the failure.
Result<QString> DownloadFaq(transfer::Channels &net, const settings::Module1 &state, const QString &fileName,
                            transfer::Progress &progress);

} // namespace veldra::faq
