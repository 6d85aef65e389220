#include "index/DownloadIndex.h"

#include "index/Log.h"
#include "settings/Module1.h"
#include "transfer/Channels.h"
#include "transfer/Download.h"
#include "transfer/Progress.h"
#include "transfer/TransferChannel.h"

#include <QCoreApplication>
#include <algorithm>

namespace veldra::index
{

namespace
{

// The display the index download reports to: everything is passed on, and
// while the index arrives the bar moves from 50 toward 99 with its bytes,
// when the server said how many there are. 99 itself is the step after it.
class IndexBytes : public transfer::Progress
{
public:
    explicit IndexBytes(transfer::Progress &shown)
        : m_shown(shown)
    {
    }
    void ShowProgress(const QString &caption, const QString &status, bool showStatus, bool showBar) override
    {
        m_shown.ShowProgress(caption, status, showStatus, showBar);
    }
    void setValue(int value) override { m_shown.setValue(value); }
    void setMaximum(int maximum) override { m_shown.setMaximum(maximum); }
    void setStatus(const QString &text, bool repaintNow) override { m_shown.setStatus(text, repaintNow); }
    void close() override { m_shown.close(); }
    void bytesReceived(qint64 received, qint64 total) override
    {
        m_shown.bytesReceived(received, total);
        if (total <= 0)
            return;
        const int value = kFrom + int((kTo - kFrom) * std::min(received, total) / total);
        if (value > m_value && value < kTo) {
            m_value = value;
            m_shown.setValue(value);
        }
    }

private:
    static constexpr int kFrom = 50;
    static constexpr int kTo = 99;
    transfer::Progress &m_shown;
    int m_value = kFrom;
};

} // namespace

Status DownloadIndex(transfer::Channels &net, const settings::Module1 &state, transfer::Progress &progress)
{
    transfer::TransferChannel &HTTP = net.HTTP();
    HTTP.setUrl(QString());
    net.ApplyHttpProxy(state.Proxies());
    HTTP.setProtocol(transfer::Protocol::HTTP);
    net.WaitForTransfer(HTTP, state.Proxies());
    progress.setValue(75);
    progress.setStatus(QCoreApplication::translate("index", "Downloading script..."));
    progress.setValue(50);
    IndexBytes bytes(progress);
    const Status fetched =
        transfer::DownloadToFile(HTTP, state.ServerUrl + QStringLiteral("script.txt"), state.IndexFile,
                                 transfer::FetchAs::TextWithCrLf, state.Limits.index, &bytes);
    if (!fetched) {
        qCDebug(lcIndex) << "index download failed:" << fetched.error();
        return fetched;
    }
    net.WaitForTransfer(HTTP, state.Proxies());
    progress.setValue(99);
    progress.setStatus(QCoreApplication::translate("index", "Loading..."));
    HTTP.setUrl(QString());
    progress.setValue(100);
    return {};
}

} // namespace veldra::index
