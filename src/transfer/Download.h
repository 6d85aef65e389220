#pragma once

#include "text/Result.h"
#include "transfer/DownloadLimits.h"

#include <QString>

namespace veldra::transfer
{

class Progress;
class TransferChannel;

enum class FetchAs { TextWithCrLf, Bytes };

// The write step every download shares: the document is streamed, as it
// arrives, into a new file beside `path` that replaces `path` when it has
// arrived whole: the text followed by CR LF, or the bytes exactly. `limit`
// bounds its size and the time it may take; `progress`, when given, hears how
// many bytes have arrived.

// A failed download leaves `path` an empty file, as a download that empties its
// file before fetching would.
Status DownloadToFile(TransferChannel &channel, const QString &url, const QString &path, FetchAs as,
                      const DownloadLimit &limit = {}, Progress *progress = nullptr);

// A failed download leaves `path` as it was, so an earlier copy stays readable;
// a whole one replaces only an ordinary file, never a link or a folder that
// appeared under the name while the document was arriving.
Status DownloadToFileSafely(TransferChannel &channel, const QString &url, const QString &path, FetchAs as,
                            const DownloadLimit &limit = {}, Progress *progress = nullptr);

} // namespace veldra::transfer
