#include "offline/LibrarySync.h"

#include "faq/FaqFileName.h"
#include "offline/Log.h"
#include "text/OrdinaryFile.h"
#include "text/ReplacementFile.h"
#include "transfer/FetchGroup.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTimer>

#include <algorithm>

namespace veldra::offline
{

namespace
{

// The digest of the copy at `path`, or empty when it cannot be read.
QByteArray DigestOf(const QString &path)
{
    QFile file;
    if (!text::OpenOrdinaryFile(file, path))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return {};
    return hash.result();
}

} // namespace

struct LibrarySync::Fetch {
    SyncItem item;
    QString path;
    text::ReplacementFile file;
    QCryptographicHash hash{QCryptographicHash::Sha256};
    qint64 received = 0;
    QByteArray answerEtag, answerModified;

    Fetch(SyncItem what, const QString &target)
        : item(std::move(what))
        , path(target)
        , file(target)
    {
    }
};

LibrarySync::LibrarySync(SyncTarget target, QObject *parent)
    : QObject(parent)
    , m_target(std::move(target))
{
    m_target.parallel = std::max(1, m_target.parallel);
}

LibrarySync::~LibrarySync()
{
    // The group's fetches end without their handlers before the files they write go.
    m_group.reset();
}

void LibrarySync::start(QList<SyncItem> plan)
{
    if (m_running)
        return;
    m_summary = {};
    m_summary.total = int(plan.size());
    m_waiting.assign(plan.begin(), plan.end());
    m_running = true;
    m_cancelling = false;
    if (!m_group)
        m_group = std::make_unique<transfer::FetchGroup>();
    startNext();
    if (m_fetches.empty())
        QTimer::singleShot(0, this, [this] { ended(nullptr, SyncResult::Cancelled, {}); });
}

void LibrarySync::cancel()
{
    if (!m_running || m_cancelling)
        return;
    qCDebug(lcOffline) << "cancelled with" << m_waiting.size() << "documents not started";
    m_cancelling = true;
    m_waiting.clear();
    if (m_fetches.empty())
        QTimer::singleShot(0, this, [this] { ended(nullptr, SyncResult::Cancelled, {}); });
    else
        m_group->abortAll();
}

void LibrarySync::startNext()
{
    while (!m_cancelling && int(m_fetches.size()) < m_target.parallel && !m_waiting.empty()) {
        SyncItem item = std::move(m_waiting.front());
        m_waiting.pop_front();
        // A name from the index becomes a path in the program folder: the
        // rules of Read hold here as well.
        const QString path = m_target.folder + item.fileName;
        Status allowed = faq::IsPlainFaqFileName(item.fileName);
        if (allowed)
            allowed = faq::IsNotProgramFileName(item.fileName, m_target.executableName);
        if (allowed)
            allowed = faq::IsReplaceableLocalCopy(path, item.fileName);
        auto fetch = std::make_unique<Fetch>(std::move(item), path);
        if (allowed)
            allowed = fetch->file.open();
        if (!allowed) {
            m_summary.failures << fetch->item.fileName + QStringLiteral(": ") + allowed.error();
            ++m_summary.done;
            emit progressed(m_summary.done, m_summary.total, m_summary.bytes);
            continue;
        }
        Fetch *f = fetch.get();
        m_fetches.push_back(std::move(fetch));

        transfer::FetchRequest request;
        request.url = m_target.serverUrl + faq::FaqUrlSegment(f->item.fileName);
        request.limit = m_target.limit;
        request.proxy = m_target.proxy;
        if (f->item.stored) {
            request.ifNoneMatch = f->item.etag;
            request.ifModifiedSince = f->item.lastModified;
        }
        const auto sink = [f](QByteArrayView bytes) -> Status {
            f->hash.addData(bytes);
            return f->file.write(bytes);
        };
        const auto bytes = [this, f](qint64 received, qint64) {
            m_summary.bytes += received - f->received;
            f->received = received;
            emit progressed(m_summary.done, m_summary.total, m_summary.bytes);
        };
        m_group->start(
            request, sink,
            [this, f](const transfer::FetchOutcome &outcome) {
                f->answerEtag = outcome.etag;
                f->answerModified = outcome.lastModified;
                if (outcome.cancelled)
                    return ended(f, SyncResult::Cancelled, {});
                if (!outcome.status)
                    return ended(f, SyncResult::Failed, outcome.status.error());
                if (outcome.notModified())
                    return ended(f, SyncResult::Current, {});
                // Stored as Read stores it: the text followed by CR LF.
                static constexpr char kCrLf[] = "\r\n";
                f->hash.addData(QByteArrayView(kCrLf, 2));
                if (const Status written = f->file.write(QByteArrayView(kCrLf, 2)); !written)
                    return ended(f, SyncResult::Failed, written.error());
                // A copy fetched without validators may be the same text again.
                if (f->item.stored && DigestOf(f->path) == f->hash.result())
                    return ended(f, SyncResult::Current, {});
                const Status committed = f->file.commit(text::ReplacementFile::Replace::OrdinaryFile);
                if (!committed)
                    return ended(f, SyncResult::Failed, committed.error());
                ended(f, f->item.stored ? SyncResult::Changed : SyncResult::New, {});
            },
            bytes);
    }
}

void LibrarySync::ended(Fetch *fetch, SyncResult result, const QString &why)
{
    if (fetch) {
        ++m_summary.done;
        switch (result) {
        case SyncResult::New:
            ++m_summary.newDocuments;
            break;
        case SyncResult::Changed:
            ++m_summary.changedDocuments;
            break;
        case SyncResult::Current:
            ++m_summary.currentDocuments;
            break;
        case SyncResult::Failed:
            m_summary.failures << fetch->item.fileName + QStringLiteral(": ") + why;
            break;
        case SyncResult::Cancelled:
            break;
        }
        if (result != SyncResult::Failed && result != SyncResult::Cancelled)
            emit documentDone(fetch->item.fileName, fetch->path, result, fetch->answerEtag, fetch->answerModified);
        fetch->file.discard();
        const auto it = std::find_if(m_fetches.begin(), m_fetches.end(),
                                     [fetch](const std::unique_ptr<Fetch> &f) { return f.get() == fetch; });
        if (it != m_fetches.end())
            m_fetches.erase(it);
        emit progressed(m_summary.done, m_summary.total, m_summary.bytes);
        startNext();
    }
    if (!m_running || !m_fetches.empty() || (!m_waiting.empty() && !m_cancelling))
        return;
    m_running = false;
    m_summary.cancelled = m_cancelling;
    qCDebug(lcOffline) << "done:" << m_summary.newDocuments << "new," << m_summary.changedDocuments << "changed,"
                       << m_summary.currentDocuments << "current," << m_summary.failures.size() << "failed";
    emit finished();
}

} // namespace veldra::offline
