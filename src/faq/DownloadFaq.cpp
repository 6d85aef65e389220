#include "faq/DownloadFaq.h"
#include "faq/FaqFileName.h"
#include "faq/Log.h"
#include "settings/Module1.h"
#include "transfer/Channels.h"
#include "transfer/Download.h"
#include "transfer/Progress.h"
#include "transfer/TransferChannel.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace veldra::faq
{

namespace
{

constexpr int kFaqRequestTimeoutSeconds = 120;

} // namespace

Result<QString> DownloadFaq(transfer::Channels &net, const settings::Module1 &state, const QString &fileName,
                            transfer::Progress &progress)
{
    transfer::TransferChannel &HTTP = net.HTTP();
    // The name comes from the server's index and becomes a path in AppDir, so it
    // has to stay one plain name there.
    const QString localCopy = state.AppDir + fileName;
    if (const Status plain = IsPlainFaqFileName(fileName); !plain)
        return Error{plain.error()};
    const QString executable = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    if (const Status own = IsNotProgramFileName(fileName, executable); !own)
        return Error{own.error()};
    if (const Status replaceable = IsReplaceableLocalCopy(localCopy, fileName); !replaceable)
        return Error{replaceable.error()};

    net.ApplyHttpProxy(state.Proxies());
    progress.ShowProgress(QCoreApplication::translate("faq", "Please wait..."),
                          QCoreApplication::translate("faq", "Downloading FAQ..."), true, true);
    net.WaitForTransfer(HTTP, state.Proxies());
    HTTP.setProtocol(transfer::Protocol::HTTP);
    HTTP.setRequestTimeout(kFaqRequestTimeoutSeconds);

    // The old copy is replaced only by a document that arrived whole, so the
    // reader can still show it after a failed download; and only if it is
    // still an ordinary file, whatever was put under its name meanwhile.
    const QString url = state.ServerUrl + FaqUrlSegment(fileName);
    const Status saved = transfer::DownloadToFileSafely(HTTP, url, localCopy, transfer::FetchAs::TextWithCrLf,
                                                        state.Limits.faq, &progress);
    if (!saved) {
        qCDebug(lcFaq) << "download of" << fileName << "failed:" << saved.error();
        progress.close();
        return Error{saved.error()};
    }
    net.WaitForTransfer(HTTP, state.Proxies());
    progress.close();
    return localCopy;
}

} // namespace veldra::faq
