#pragma once

namespace veldra::platform
{
class Progress;
class RichTextBox;
} // namespace veldra::platform
namespace veldra::transfer
{
class Channels;
}

namespace veldra::news
{

// Downloads the news document into the program folder as "news.rtf" through the
// HTTP channel and shows it in `News`; offline or on failure, `News` says why
// instead. The progress display shows the download.
void GetNews(transfer::Channels &net, platform::RichTextBox &News, platform::Progress &progress);

} // namespace veldra::news
