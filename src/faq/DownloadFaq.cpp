#include "faq/FaqFileName.h"
#include "faq/ReaderPanel.h"
#include "platform/MessageBox.h"
#include "settings/Module1.h"
#include "shell/Form2.h"
#include "transfer/ApplyProxy.h"
#include "transfer/Download.h"
#include "transfer/TransferChannel.h"

namespace
{

constexpr int kFaqRequestTimeoutSeconds = 120;

bool ReportDownloadFailure(const QString &description)
{
    CloseProgress();
    platform::MsgBox(QStringLiteral("Error while connecting to server using HTTP protocol: ") + description +
                         QStringLiteral("\r\n") + QStringLiteral("Please check your proxy settings..."),
                     platform::MsgCritical, Module1::AppName + QStringLiteral(" - Error"));
    return false;
}

} // namespace

bool DownloadFaq(TransferChannel &HTTP, const QString &fileName, const QString &baseUrl, QWidget *owner)
{
    // The name comes from the server's index and becomes a path in AppDir, so it
    // has to stay one plain name there.
    const QString localCopy = Module1::AppDir + fileName;
    QString error;
    if (!IsPlainFaqFileName(fileName, &error) || !IsReplaceableLocalCopy(localCopy, fileName, &error))
        return ReportDownloadFailure(error);

    ApplyProxy(HTTP, Module1::HttpProxy, Module1::HttpProxyPort);
    ShowProgress(QStringLiteral("Please wait..."), QStringLiteral("Downloading FAQ..."), true, true, owner);
    WaitForTransfer(HTTP);
    HTTP.setProtocol(TransferChannel::ProtocolHTTP);
    HTTP.setRequestTimeout(kFaqRequestTimeoutSeconds);

    // The old copy is replaced only by a document that arrived whole, so the
    // reader can still show it after a failed download.
    const QString url = baseUrl + FaqUrlSegment(fileName);
    if (!DownloadToFileSafely(HTTP, url, localCopy, FetchAs::TextWithCrLf, &error))
        return ReportDownloadFailure(error);
    WaitForTransfer(HTTP);

    Module1::FaqFile = localCopy;
    CloseProgress();
    return true;
}
