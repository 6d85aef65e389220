#pragma once

#include <QString>

class TransferChannel;

enum class FetchAs { TextWithCrLf, Bytes };

// The write step every download shares: create (or empty) `path`, fetch `url`
// whole, write it (text followed by CR LF, or the bytes exactly) and close.
// On failure returns false with a description in *error.
bool DownloadToFile(TransferChannel &channel, const QString &url, const QString &path, FetchAs as, QString *error);

// Like DownloadToFile, but fetches first and replaces `path` only with a whole
// document, so a failed download leaves an earlier copy untouched.
bool DownloadToFileSafely(TransferChannel &channel, const QString &url, const QString &path, FetchAs as,
                          QString *error);
