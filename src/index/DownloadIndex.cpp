#include "index/DownloadIndex.h"

#include "index/Log.h"
#include "settings/Module1.h"
#include "transfer/Channels.h"
#include "transfer/Download.h"
#include "transfer/Progress.h"
#include "transfer/TransferChannel.h"

namespace veldra::index
{

Status DownloadIndex(transfer::Channels &net, const settings::Module1 &state, transfer::Progress &progress)
{
    transfer::TransferChannel &HTTP = net.HTTP();
    HTTP.setUrl(QString());
    net.ApplyHttpProxy(state.Proxies());
    HTTP.setProtocol(transfer::Protocol::HTTP);
    net.WaitForTransfer(HTTP, state.Proxies());
    progress.setValue(75);
    progress.setStatus(QStringLiteral("Downloading script..."));
    progress.setValue(50);
    const Status fetched =
        transfer::DownloadToFile(HTTP, state.ServerUrl + QStringLiteral("script.txt"), state.IndexFile,
                                 transfer::FetchAs::TextWithCrLf, state.Limits.index);
    if (!fetched) {
        qCDebug(lcIndex) << "index download failed:" << fetched.error();
        return fetched;
    }
    net.WaitForTransfer(HTTP, state.Proxies());
    progress.setValue(99);
    progress.setStatus(QStringLiteral("Loading..."));
    HTTP.setUrl(QString());
    progress.setValue(100);
    return {};
}

} // namespace veldra::index
