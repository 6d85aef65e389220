#include "index/DownloadIndex.h"

#include "platform/MessageBox.h"
#include "settings/Module1.h"
#include "settings/ServerUrl.h"
#include "shell/Form2.h"
#include "transfer/ApplyProxy.h"
#include "transfer/Download.h"
#include "transfer/TransferChannel.h"

#include <exception>

namespace
{

bool Fetch(TransferChannel &HTTP, const QString &baseUrl, QString *error)
{
    HTTP.setUrl(QString());
    ApplyProxy(HTTP, Module1::HttpProxy, Module1::HttpProxyPort);
    HTTP.setProtocol(TransferChannel::ProtocolHTTP);
    WaitForTransfer(HTTP);
    ProgressSetValue(75);
    ProgressSetStatus(QStringLiteral("Downloading script..."));
    ProgressSetValue(50);
    if (!DownloadToFile(HTTP, baseUrl + QStringLiteral("script.txt"), Module1::IndexFile, FetchAs::TextWithCrLf, error))
        return false;
    WaitForTransfer(HTTP);
    ProgressSetValue(99);
    ProgressSetStatus(QStringLiteral("Loading..."));
    HTTP.setUrl(QString());
    ProgressSetValue(100);
    return true;
}

} // namespace

void DownloadIndex(TransferChannel &HTTP)
{
    DownloadIndex(HTTP, ServerBaseUrl());
}

void DownloadIndex(TransferChannel &HTTP, const QString &baseUrl)
{
    QString error;
    bool ok = false;
    try {
        ok = Fetch(HTTP, baseUrl, &error);
    } catch (const std::exception &e) {
        error = QString::fromLocal8Bit(e.what());
    }
    if (!ok)
        platform::MsgBox(QStringLiteral("Error while connecting to server using HTTP protocol: ") + error +
                             QStringLiteral("\r\nPlease check your proxy settings..."),
                         platform::MsgCritical, Module1::AppName + QStringLiteral(" - Error"));
}
