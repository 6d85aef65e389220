#include "shell/NewsPanel.h"

#include "news/IsOnline.h"
#include "news/OfflineNews.h"
#include "richtext/RichTextBox.h"
#include "settings/Module1.h"
#include "shell/Log.h"
#include "transfer/Progress.h"

namespace veldra::shell
{

using news::NewsOutcome;

news::NewsOutcome GetNewsInto(richtext::RichTextBox &News, transfer::Channels &net, const settings::Module1 &state,
                              transfer::Progress &progress)
{
    if (!news::IsOnline(state)) {
        qCDebug(lcShell) << "offline: no news fetched";
        News.setText(news::OfflineNewsText());
        return NewsOutcome::Offline;
    }
    News.setText(QString());
    NewsOutcome outcome = NewsOutcome::Shown;
    Status shown = news::DownloadNews(net, state, progress);
    if (shown)
        shown = News.loadFile(news::NewsFile(state));
    if (!shown) {
        outcome = ShowNewsFailure(News, shown.error());
    } else if (News.text().trimmed().isEmpty()) {
        // A document that shows nothing but blanks or line breaks is as good as none.
        News.setText(news::BlankNewsText());
        outcome = NewsOutcome::Blank;
    }
    progress.close();
    return outcome;
}

news::NewsOutcome ShowNewsFailure(richtext::RichTextBox &News, const QString &description)
{
    News.setText(news::NewsFailureText(description));
    return NewsOutcome::Failed;
}

void ShowOfflineNews(news::NewsOutcome outcome, const settings::Module1 &state, richtext::RichTextBox &News)
{
    // What the panel says now; the reason of a failure stays under the note.
    const Result<QStringList> lines = news::RestoreNews(outcome, state, News.text());
    if (!lines)
        return;
    if (const Status loaded = News.loadFile(news::NewsFile(state)); !loaded) {
        qCWarning(lcShell) << "the offline news cannot be shown:" << loaded.error();
        return;
    }
    qCDebug(lcShell) << "offline news shown:" << lines.value();
    news::PutLinesFirst(*News.document(), lines.value());
}

} // namespace veldra::shell
