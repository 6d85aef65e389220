#include "news/GetNews.h"

#include "news/Log.h"
#include "settings/Module1.h"
#include "transfer/Channels.h"
#include "transfer/Download.h"
#include "transfer/Progress.h"
#include "transfer/TransferChannel.h"

#include <QCoreApplication>

namespace veldra::news
{

namespace
{
constexpr int kNewsRequestTimeoutSeconds = 120;
} // namespace

QString OfflineNewsText()
{
    return QCoreApplication::translate("news", "No news to show , because you are offline.\r\n"
                                               "Select 'Get News' in the 'On-line' menu if you are online.");
}

QString NewsFailureText(const QString &description)
{
    return QCoreApplication::translate("news", "Unable to receive news: ") + description;
}

QString BlankNewsText()
{
    return QCoreApplication::translate("news", "Could not retrieve news, please check you proxy settings!");
}

QString NewsFile(const settings::Module1 &state)
{
    return state.AppDir + QStringLiteral("news.rtf");
}

Status DownloadNews(transfer::Channels &net, const settings::Module1 &state, transfer::Progress &progress)
{
    progress.ShowProgress(QCoreApplication::translate("news", "Please wait..."),
                          QCoreApplication::translate("news", "Download news from server..."), true, false);
    transfer::TransferChannel &channel = net.HTTP();
    channel.setRequestTimeout(kNewsRequestTimeoutSeconds);
    net.ApplyHttpProxy(state.Proxies());
    // Exactly the bytes received, nothing added. The start-up removed the last
    // run's file, so a document that did not arrive whole leaves none.
    if (const Status saved = transfer::DownloadToFileSafely(
            channel, state.ServerUrl + QStringLiteral("test.rtf"), NewsFile(state), transfer::FetchAs::Bytes,
            state.Limits.news, &progress, text::ReplacementFile::Sync::No);
        !saved) {
        qCDebug(lcNews) << "news failed:" << saved.error();
        return saved;
    }
    net.WaitForTransfer(channel, state.Proxies());
    channel.setUrl(QString());
    return {};
}

} // namespace veldra::news
