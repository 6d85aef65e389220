#pragma once

#include <QString>

namespace veldra::richtext
{
class RichTextBox;
}
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

// What GetNews left in the news panel.
enum class NewsOutcome {
    Shown,   // the document, downloaded whole
    Blank,   // the server's document shows nothing
    Offline, // no connection: no request was made
    Failed,  // the download failed; the panel says why
};

// Downloads the news document into the program folder as "news.rtf" through the
// HTTP channel and shows it in `News`; offline or on failure, `News` says why
// instead. The progress display shows the download.
NewsOutcome GetNews(transfer::Channels &net, const settings::Module1 &state, richtext::RichTextBox &News,
                    transfer::Progress &progress);

// Shows in `News` why no news could be received, as a failed GetNews does.
NewsOutcome ShowNewsFailure(richtext::RichTextBox &News, const QString &description);

} // namespace veldra::news
