#pragma once

#include "text/Result.h"

#include <QString>

namespace veldra::transfer
{

class TransferChannel;

enum class FetchAs { TextWithCrLf, Bytes };

// The write step every download shares: create (or empty) `path`, fetch `url`
// whole, write it (text followed by CR LF, or the bytes exactly) and close.
Status DownloadToFile(TransferChannel &channel, const QString &url, const QString &path, FetchAs as);

// Like DownloadToFile, but fetches first and replaces `path` only with a whole
// document, so a failed download leaves an earlier copy untouched.
Status DownloadToFileSafely(TransferChannel &channel, const QString &url, const QString &path, FetchAs as);

} // namespace veldra::transfer
