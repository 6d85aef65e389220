#pragma once

#include "news/GetNews.h"

namespace veldra::richtext
{
class RichTextBox;
}
namespace veldra::settings
{
class Module1;
}

namespace veldra::news
{

// After GetNews: news that arrived whole becomes the offline copy. When none
// arrived (offline, or the download failed), the last good copy is put back
// as the local news file and shown, under a line that says so ("Offline: news
// of 5 December 2026") and, after a failure, the reason. Without a copy the
// panel keeps what GetNews wrote. Blank news from a server that answered is
// neither kept nor replaced.
void KeepOrShowOfflineNews(NewsOutcome outcome, const settings::Module1 &state, richtext::RichTextBox &News);

// The local news file in the program folder.
QString NewsFile(const settings::Module1 &state);

} // namespace veldra::news
