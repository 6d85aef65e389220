#pragma once

#include "news/GetNews.h"

namespace veldra::richtext
{
class RichTextBox;
}

namespace veldra::shell
{

// The news step on the news panel: offline, `News` says so and nothing is
// fetched; otherwise it is emptied, the news is downloaded with the progress
// display showing it, loaded, and replaced by a note when it shows nothing or
// did not arrive; then the display is closed.
news::NewsOutcome GetNewsInto(richtext::RichTextBox &News, transfer::Channels &net, const settings::Module1 &state,
                              transfer::Progress &progress);

// Shows in `News` why no news could be received, as a failed news step does.
news::NewsOutcome ShowNewsFailure(richtext::RichTextBox &News, const QString &description);

// After a news step that brought no news: shows the last good copy under its
// note; without one the panel keeps what the step wrote.
void ShowOfflineNews(news::NewsOutcome outcome, const settings::Module1 &state, richtext::RichTextBox &News);

} // namespace veldra::shell
