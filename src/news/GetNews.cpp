#include "news/GetNews.h"

#include "news/IsOnline.h"
#include "news/Log.h"
#include "platform/RichTextBox.h"
#include "settings/Module1.h"
#include "transfer/Channels.h"
#include "transfer/Download.h"
#include "transfer/Progress.h"
#include "transfer/TransferChannel.h"

namespace veldra::news
{

namespace
{

// The steps that can fail; the error describes the first failure.
Status FetchAndShow(transfer::Channels &net, const settings::Module1 &state, platform::RichTextBox &News,
                    transfer::Progress &progress)
{
    transfer::TransferChannel &channel = net.HTTP();
    channel.setRequestTimeout(120);
    net.ApplyHttpProxy(state.Proxies());
    // Exactly the bytes received, nothing added. The start-up removed the last
    // run's file, so a document that did not arrive whole leaves none.
    const QString path = state.AppDir + QStringLiteral("news.rtf");
    if (const Status saved = transfer::DownloadToFileSafely(channel, state.ServerUrl + QStringLiteral("test.rtf"), path,
                                                            transfer::FetchAs::Bytes, state.Limits.news, &progress);
        !saved)
        return saved;
    net.WaitForTransfer(channel, state.Proxies());
    channel.setUrl(QString());
    if (const Status loaded = News.loadFile(path); !loaded)
        return loaded;
    return {};
}

} // namespace

NewsOutcome GetNews(transfer::Channels &net, const settings::Module1 &state, platform::RichTextBox &News,
                    transfer::Progress &progress)
{
    if (!IsOnline(state.ServerUrl)) {
        qCDebug(lcNews) << "offline: no news fetched";
        News.setText(QStringLiteral("No news to show , because you are offline.\r\n"
                                    "Select 'Get News' in the 'On-line' menu if you are online."));
        return NewsOutcome::Offline;
    }
    News.setText(QString());
    progress.ShowProgress(QStringLiteral("Please wait..."), QStringLiteral("Download news from server..."), true,
                          false);
    NewsOutcome outcome = NewsOutcome::Shown;
    if (const Status shown = FetchAndShow(net, state, News, progress); !shown) {
        qCDebug(lcNews) << "news failed:" << shown.error();
        outcome = ShowNewsFailure(News, shown.error());
    } else if (News.text().trimmed().isEmpty()) {
        // A document that shows nothing but blanks or line breaks is as good as none.
        News.setText(QStringLiteral("Could not retrieve news, please check you proxy settings!"));
        outcome = NewsOutcome::Blank;
    }
    progress.close();
    return outcome;
}

NewsOutcome ShowNewsFailure(platform::RichTextBox &News, const QString &description)
{
    News.setText(QStringLiteral("Unable to receive news: ") + description);
    return NewsOutcome::Failed;
}

} // namespace veldra::news
