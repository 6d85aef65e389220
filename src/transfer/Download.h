#pragma once

#include "text/ReplacementFile.h"
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

// For the work files every start fetches afresh (the index): not synced, as
// the next start replaces it anyway. A failed download leaves `path` an empty
// file, as a download that empties its file before fetching would.
Status DownloadToFile(TransferChannel &channel, const QString &url, const QString &path, FetchAs as,
                      const DownloadLimit &limit = {}, Progress *progress = nullptr);

// A failed download leaves `path` as it was, so an earlier copy stays readable;
// a whole one replaces only an ordinary file, never a link or a folder that
// appeared under the name while the document was arriving. `sync` says whether
// the file must survive a crash (a stored document) or is fetched again at the
// next start anyway (the news).
Status DownloadToFileSafely(TransferChannel &channel, const QString &url, const QString &path, FetchAs as,
                            const DownloadLimit &limit = {}, Progress *progress = nullptr,
                            text::ReplacementFile::Sync sync = text::ReplacementFile::Sync::Yes);

} // namespace veldra::transfer
