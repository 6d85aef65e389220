#pragma once

#include "text/Result.h"
#include "transfer/FetchRequest.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <deque>
#include <memory>

namespace veldra::transfer
{
class FetchGroup;
}

namespace veldra::offline
{

// A document of the index to bring into the program folder, with what the
// store keeps of the copy there (nothing when there is none).
struct SyncItem {
    QString fileName;
    bool stored = false; // a copy is in the program folder
    QByteArray etag;
    QByteArray lastModified;
};

// What one document came to.
enum class SyncResult { New, Changed, Current, Failed, Cancelled };

struct SyncSummary {
    int total = 0;
    int done = 0; // ended one way or another
    int newDocuments = 0;
    int changedDocuments = 0;
    int currentDocuments = 0;
    QStringList failures; // "name: why", one per document that failed
    qint64 bytes = 0;     // arrived in all
    bool cancelled = false;
};

// Where the documents come from and go, and the rules every download keeps.
struct SyncTarget {
    QString serverUrl;      // the library folder, ends in "/"
    QString folder;         // the program folder, ends in "/"
    QString executableName; // never replaced by a document
    transfer::ProxyRoute proxy;
    transfer::DownloadLimit limit;
    int parallel = 4;
};

// Brings the documents of a plan into the program folder, a few at a time.
// Each document is written as Read writes it (its text followed by CR LF),
// through a new file that replaces the old copy only when the document arrived
// whole; a conditional request that the server answers with 304 keeps the copy.
// Runs on the caller's event loop.
class LibrarySync : public QObject
{
    Q_OBJECT
public:
    explicit LibrarySync(SyncTarget target, QObject *parent = nullptr);
    ~LibrarySync() override;

    // Starts on `plan`; finished() follows, also for an empty plan.
    void start(QList<SyncItem> plan);
    // Ends the documents under way and starts no more; finished() follows.
    void cancel();
    bool running() const { return m_running; }
    const SyncSummary &summary() const { return m_summary; }

signals:
    void progressed(int done, int total, qint64 bytes);
    // A document's copy was replaced (New or Changed) or confirmed (Current),
    // with the validators of the answer.
    void documentDone(const QString &fileName, const QString &path, veldra::offline::SyncResult result,
                      const QByteArray &etag, const QByteArray &lastModified);
    void finished();

private:
    struct Fetch;
    void startNext();
    void ended(Fetch *fetch, SyncResult result, const QString &why);

    SyncTarget m_target;
    std::unique_ptr<transfer::FetchGroup> m_group;
    std::deque<SyncItem> m_waiting;
    std::deque<std::unique_ptr<Fetch>> m_fetches;
    SyncSummary m_summary;
    bool m_running = false;
    bool m_cancelling = false;
};

} // namespace veldra::offline
