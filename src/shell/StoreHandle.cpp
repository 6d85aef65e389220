#include "shell/StoreHandle.h"

#include "shell/Log.h"

#include <QSemaphore>

namespace veldra::shell
{

StoreHandle::StoreHandle(QObject *parent)
    : QObject(parent)
    , m_worker(new QObject)
{
    m_thread.setObjectName(QStringLiteral("LibraryStore"));
    m_worker->moveToThread(&m_thread);
}

StoreHandle::~StoreHandle()
{
    if (m_thread.isRunning()) {
        // The store closes on the thread that opened it, after the work before.
        QMetaObject::invokeMethod(
            m_worker,
            [this] {
                m_store.reset();
                QThread::currentThread()->quit();
            },
            Qt::QueuedConnection);
        m_thread.wait();
    }
    delete m_worker;
}

void StoreHandle::open(const QString &path)
{
    if (m_requested)
        return;
    m_requested = true;
    m_path = path;
    m_thread.start(QThread::LowPriority);
    QMetaObject::invokeMethod(
        m_worker, [this, path] { openOnThread(path); }, Qt::QueuedConnection);
    for (auto &work : m_waiting)
        enqueue(std::move(work));
    m_waiting.clear();
}

void StoreHandle::openOnThread(const QString &path)
{
    auto made = store::LibraryStore::open(path);
    Status status;
    store::OpenOutcome outcome = store::OpenOutcome::Existing;
    if (made) {
        m_store = std::move(made).value();
        outcome = m_store->outcome();
    } else {
        qCWarning(lcShell) << "the library store" << path << "could not be opened:" << made.error();
        m_storeError = made.error();
        status = Error{made.error()};
    }
    handBack(
        [this, status, outcome] {
            m_ready = true;
            m_openStatus = status;
            m_outcome = outcome;
            emit opened();
        },
        {}, false);
}

void StoreHandle::enqueue(std::function<void(store::LibraryStore *, const QString &)> work)
{
    if (!m_requested) {
        m_waiting.push_back(std::move(work));
        return;
    }
    QMetaObject::invokeMethod(
        m_worker, [this, work = std::move(work)] { work(m_store.get(), m_storeError); }, Qt::QueuedConnection);
}

void StoreHandle::handBack(std::function<void()> deliver, const QPointer<const QObject> &receiver, bool watching)
{
    // Queued on the handle: a handle that goes takes the call with it.
    QMetaObject::invokeMethod(
        this,
        [deliver = std::move(deliver), receiver, watching] {
            if (!watching || receiver)
                deliver();
        },
        Qt::QueuedConnection);
}

void StoreHandle::finishQueued()
{
    if (!m_requested)
        return;
    QSemaphore done;
    QMetaObject::invokeMethod(
        m_worker, [&done] { done.release(); }, Qt::QueuedConnection);
    done.acquire();
}

void StoreHandle::indexDocument(const store::DocumentText &document, Done<Status> done)
{
    post([document](store::LibraryStore &s) { return s.indexDocument(document); }, std::move(done));
}

void StoreHandle::markListed(const QStringList &listedFileNames, Done<Status> done)
{
    post([listedFileNames](store::LibraryStore &s) { return s.markListed(listedFileNames); }, std::move(done));
}

void StoreHandle::document(const QString &fileName, Done<Result<std::optional<store::DocumentState>>> done)
{
    post([fileName](store::LibraryStore &s) { return s.document(fileName); }, std::move(done));
}

void StoreHandle::search(const QString &query, Done<Result<store::SearchResults>> done)
{
    post([query](store::LibraryStore &s) { return s.search(query); }, std::move(done));
}

void StoreHandle::fillSnippets(const store::SearchResults &results, int first, int count,
                               Done<Result<store::SearchResults>> done)
{
    post(
        [results, first, count](store::LibraryStore &s) -> Result<store::SearchResults> {
            store::SearchResults copy = results;
            if (const Status filled = s.fillSnippets(copy, first, count); !filled)
                return Error{filled.error()};
            return copy;
        },
        std::move(done));
}

void StoreHandle::recordRead(const QString &fileName, const QString &subject, const QDateTime &when, Done<Status> done)
{
    post([=](store::LibraryStore &s) { return s.recordRead(fileName, subject, when); }, std::move(done));
}

void StoreHandle::recentReads(int max, Done<Result<QList<store::ReadingEntry>>> done)
{
    post([max](store::LibraryStore &s) { return s.recentReads(max); }, std::move(done));
}

void StoreHandle::removeRead(const QString &fileName, Done<Status> done)
{
    post([fileName](store::LibraryStore &s) { return s.removeRead(fileName); }, std::move(done));
}

void StoreHandle::addBookmark(const QString &fileName, const QString &subject, const QDateTime &when, Done<Status> done)
{
    post([=](store::LibraryStore &s) { return s.addBookmark(fileName, subject, when); }, std::move(done));
}

void StoreHandle::removeBookmark(const QString &fileName, Done<Status> done)
{
    post([fileName](store::LibraryStore &s) { return s.removeBookmark(fileName); }, std::move(done));
}

void StoreHandle::toggleBookmark(const QString &fileName, const QString &subject, const QDateTime &when,
                                 Done<Result<bool>> done)
{
    post([=](store::LibraryStore &s) { return s.toggleBookmark(fileName, subject, when); }, std::move(done));
}

void StoreHandle::isBookmarked(const QString &fileName, Done<Result<bool>> done)
{
    post([fileName](store::LibraryStore &s) { return s.isBookmarked(fileName); }, std::move(done));
}

void StoreHandle::bookmarks(Done<Result<QList<store::ReadingEntry>>> done)
{
    post([](store::LibraryStore &s) { return s.bookmarks(); }, std::move(done));
}

} // namespace veldra::shell
