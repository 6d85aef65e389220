#pragma once

#include "store/LibraryStore.h"
#include "text/Result.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>

#include <functional>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

namespace veldra::shell
{

// The program's one library store. Opening it reads every page, and searches
// and indexing touch the disk, so the store lives on a thread of its own and is
// used from there only; each call below queues its work there, in the order of
// the calls, and hands the result to `done` back on the window's thread. Work
// asked for before the store is open waits for it; when opening failed, every
// result is that error. A handle that goes drops the results not yet handed
// back, as does a `receiver` that goes before its result arrives.
class StoreHandle : public QObject
{
    Q_OBJECT
public:
    template <typename T> using Done = std::function<void(T)>;

    explicit StoreHandle(QObject *parent = nullptr);
    // Waits for the work already queued, then closes the store.
    ~StoreHandle() override;
    StoreHandle(const StoreHandle &) = delete;
    StoreHandle &operator=(const StoreHandle &) = delete;

    // Starts opening the store at `path`; opened() follows. Only the first call counts.
    void open(const QString &path);
    // Whether open() was called, and whether opening has ended (and how).
    bool requested() const { return m_requested; }
    bool isReady() const { return m_ready; }
    const Status &openStatus() const { return m_openStatus; }
    store::OpenOutcome outcome() const { return m_outcome; }
    QString path() const { return m_path; }

    // Runs `job(store)` on the store's thread and hands what it returns to
    // `done` (which may be empty). The result must be a Result or a Status.
    template <typename Job, typename T = std::invoke_result_t<Job, store::LibraryStore &>>
    void post(Job job, Done<T> done = {}, const QObject *receiver = nullptr);

    void indexDocument(const store::DocumentText &document, Done<Status> done = {});
    void markListed(const QStringList &listedFileNames, Done<Status> done = {});
    void document(const QString &fileName, Done<Result<std::optional<store::DocumentState>>> done);
    void search(const QString &query, Done<Result<store::SearchResults>> done);
    // Fills the snippets of hits [first, first + count) of a copy of `results`.
    void fillSnippets(const store::SearchResults &results, int first, int count,
                      Done<Result<store::SearchResults>> done);
    void recordRead(const QString &fileName, const QString &subject, const QDateTime &when, Done<Status> done = {});
    void recentReads(int max, Done<Result<QList<store::ReadingEntry>>> done);
    void removeRead(const QString &fileName, Done<Status> done = {});
    void addBookmark(const QString &fileName, const QString &subject, const QDateTime &when, Done<Status> done = {});
    void removeBookmark(const QString &fileName, Done<Status> done = {});
    void toggleBookmark(const QString &fileName, const QString &subject, const QDateTime &when,
                        Done<Result<bool>> done);
    void isBookmarked(const QString &fileName, Done<Result<bool>> done);
    void bookmarks(Done<Result<QList<store::ReadingEntry>>> done);

    // Returns once the store's thread has done all work queued before; the
    // results then wait for the window's event loop. For tests and shutdown.
    void finishQueued();

signals:
    // Opening ended; openStatus() and outcome() say how.
    void opened();

private:
    // Runs `work` on the store's thread with the store, or with null and the
    // error when there is none.
    void enqueue(std::function<void(store::LibraryStore *, const QString &)> work);
    // Calls `deliver` on the window's thread unless the handle went, or
    // `receiver` went while `watching` it.
    void handBack(std::function<void()> deliver, const QPointer<const QObject> &receiver, bool watching);
    void openOnThread(const QString &path);

    QThread m_thread;
    QObject *m_worker; // lives on m_thread
    // Touched on the store's thread only.
    std::unique_ptr<store::LibraryStore> m_store;
    QString m_storeError;
    // The window's side.
    std::vector<std::function<void(store::LibraryStore *, const QString &)>> m_waiting; // asked for before open()
    QString m_path;
    bool m_requested = false;
    bool m_ready = false;
    Status m_openStatus;
    store::OpenOutcome m_outcome = store::OpenOutcome::Existing;
};

template <typename Job, typename T> void StoreHandle::post(Job job, Done<T> done, const QObject *receiver)
{
    static_assert(std::is_constructible_v<T, Error>, "store work returns a Result or a Status");
    QPointer<const QObject> watched(receiver);
    const bool watching = receiver != nullptr;
    enqueue([this, job = std::move(job), done = std::move(done), watched, watching](store::LibraryStore *store,
                                                                                    const QString &error) mutable {
        T result = store ? T(job(*store)) : T(Error{error});
        if (!done)
            return;
        handBack([done = std::move(done), result = std::move(result)]() mutable { done(std::move(result)); }, watched,
                 watching);
    });
}

} // namespace veldra::shell
