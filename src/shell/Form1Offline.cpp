// The main window's "Make the library available offline": the plan from the
// index and the store, the downloads with their window, the summary.
#include "desktop/Reporter.h"
#include "offline/IndexEntries.h"
#include "offline/LibrarySync.h"
#include "offline/StoredDocument.h"
#include "settings/Module1.h"
#include "shell/DesktopReporter.h"
#include "shell/Form1.h"
#include "shell/Log.h"
#include "shell/SyncWindow.h"
#include "store/LibraryStore.h"
#include "transfer/Channels.h"
#include "transfer/TransferChannel.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>

namespace veldra::shell
{

namespace
{

// Failures listed by name in the summary; the rest are counted.
constexpr int kFailuresNamed = 10;

} // namespace

void Form1::cmdOffline_Click()
{
    if (m_sync && m_sync->running()) {
        m_syncWindow->raise();
        return;
    }
    const QString indexFile = m_state.IndexFile, folder = m_state.AppDir;
    // Documents that arrived since this start's index did are current: a
    // second use goes on where a cancelled one stopped.
    const QDateTime resumeAfter = m_indexArrivedAt;
    cmdOffline->setEnabled(false);
    m_store.post(
        [indexFile, folder, resumeAfter](store::LibraryStore &s) -> Result<QList<offline::SyncItem>> {
            const Result<QList<offline::IndexEntry>> entries = offline::ReadIndexEntries(indexFile);
            if (!entries)
                return Error{entries.error()};
            QList<offline::SyncItem> plan;
            for (const offline::IndexEntry &entry : entries.value()) {
                const Result<std::optional<store::DocumentState>> known = s.document(entry.fileName);
                if (!known)
                    return Error{known.error()};
                const QFileInfo copy(folder + entry.fileName);
                offline::SyncItem item{entry.fileName, copy.isFile() && !copy.isSymLink(), {}, {}};
                if (item.stored && known.value()) {
                    const store::DocumentState &state = *known.value();
                    if (resumeAfter.isValid() && state.fetchedAt >= resumeAfter)
                        continue;
                    item.etag = state.etag.toLatin1();
                    item.lastModified = state.lastModified.toLatin1();
                }
                plan.append(item);
            }
            return plan;
        },
        StoreHandle::Done<Result<QList<offline::SyncItem>>>([this](Result<QList<offline::SyncItem>> plan) {
            cmdOffline->setEnabled(true);
            if (!plan) {
                m_reporter.MsgBox(plan.error(), desktop::MsgBoxStyle::Critical, ErrorTitle(m_state.AppName));
                return;
            }
            StartSync(std::move(plan).value());
        }),
        this);
}

void Form1::StartSync(QList<offline::SyncItem> plan)
{
    offline::SyncTarget target;
    target.serverUrl = m_state.ServerUrl;
    target.folder = m_state.AppDir;
    target.executableName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    m_net->ApplyHttpProxy(m_state.Proxies());
    target.proxy = {m_net->HTTP().accessType(), m_net->HTTP().proxy()};
    target.limit = m_state.Limits.faq;
    m_sync = std::make_unique<offline::LibrarySync>(target);
    m_syncWindow = new SyncWindow(this);
    connect(m_sync.get(), &offline::LibrarySync::progressed, m_syncWindow, &SyncWindow::showProgress);
    connect(m_syncWindow, &SyncWindow::cancelRequested, this, [this] {
        m_syncWindow->setCancelling();
        m_sync->cancel();
    });
    connect(m_sync.get(), &offline::LibrarySync::documentDone, this,
            [this](const QString &fileName, const QString &path, offline::SyncResult, const QByteArray &etag,
                   const QByteArray &lastModified) {
                const QDateTime now = QDateTime::currentDateTimeUtc();
                m_store.post([=](store::LibraryStore &s) -> Status {
                    const Result<store::DocumentText> doc = offline::ReadStoredDocument(
                        fileName, path, QString::fromLatin1(etag), QString::fromLatin1(lastModified), now);
                    if (!doc)
                        return Error{doc.error()};
                    return s.indexDocument(doc.value());
                });
            });
    // The summary box waits until the downloads' own call has returned.
    connect(m_sync.get(), &offline::LibrarySync::finished, this,
            [this] { QTimer::singleShot(0, this, [this] { SyncFinished(); }); });
    m_syncWindow->show();
    m_sync->start(std::move(plan));
}

void Form1::SyncFinished()
{
    if (m_syncWindow) {
        m_syncWindow->hide();
        m_syncWindow->deleteLater();
        m_syncWindow = nullptr;
    }
    if (m_closing || !m_sync)
        return;
    const offline::SyncSummary &sum = m_sync->summary();
    QStringList lines;
    lines << QCoreApplication::translate("Form1", "Documents new on the server: %1").arg(sum.newDocuments)
          << QCoreApplication::translate("Form1", "Documents changed on the server: %1").arg(sum.changedDocuments);
    if (sum.cancelled)
        lines << QCoreApplication::translate("Form1",
                                             "Cancelled after %1 of %2 documents; the next time goes on from there.")
                     .arg(sum.done)
                     .arg(sum.total);
    if (!sum.failures.isEmpty()) {
        lines << QString()
              << QCoreApplication::translate("Form1", "Documents that could not be downloaded: %1")
                     .arg(sum.failures.size());
        lines << sum.failures.mid(0, kFailuresNamed);
        if (sum.failures.size() > kFailuresNamed)
            lines << QCoreApplication::translate("Form1", "and %1 more").arg(sum.failures.size() - kFailuresNamed);
    }
    m_reporter.MsgBox(lines.join(QLatin1Char('\n')),
                      sum.failures.isEmpty() ? desktop::MsgBoxStyle::Plain : desktop::MsgBoxStyle::Exclamation,
                      m_state.AppName);
}

} // namespace veldra::shell
