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

namespace veldra::news
{

// What the news step left in the news panel.
enum class NewsOutcome {
    Shown,   // the document, downloaded whole
    Blank,   // the server's document shows nothing
    Offline, // no connection: no request was made
    Failed,  // the download failed; the panel says why
};

// The texts the news panel shows instead of news.
QString OfflineNewsText();
QString NewsFailureText(const QString &description);
QString BlankNewsText();

// The local news file in the program folder.
QString NewsFile(const settings::Module1 &state);

// Downloads the news document into NewsFile through the HTTP channel, with the
// progress display showing it (and left open for the caller to close once the
// news is shown). Exactly the bytes received are kept, and only a document that
// arrived whole. The error describes the failure.
Status DownloadNews(transfer::Channels &net, const settings::Module1 &state, transfer::Progress &progress);

} // namespace veldra::news
