// The program's library store on its own thread: work queued before and after
// opening runs in order, results come back on the window's thread, a failed
// opening answers every call, and results for a window that went are dropped.
#include "shell/StoreHandle.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace veldra;
using shell::StoreHandle;

namespace
{

store::DocumentText Doc(const QString &name, const QString &subject, const QString &body)
{
    store::DocumentText doc;
    doc.fileName = name;
    doc.subject = subject;
    doc.body = body;
    doc.localPath = QStringLiteral("/library/") + name;
    doc.fetchedAt = QDateTime::currentDateTimeUtc();
    return doc;
}

} // namespace

class TestStoreHandle : public QObject
{
    Q_OBJECT
private slots:
    void workRunsInOrderAndAnswersOnTheWindowThread()
    {
        QTemporaryDir dir;
        StoreHandle handle;
        QStringList order;
        QThread *answeredOn = nullptr;
        // Asked for before open(): waits for the store.
        handle.indexDocument(
            Doc(QStringLiteral("a.faq"), QStringLiteral("Proxy set-up"), QStringLiteral("the gateway needs a port")),
            [&](Status s) { order << (s ? QStringLiteral("indexed") : s.error()); });
        QSignalSpy opened(&handle, &StoreHandle::opened);
        handle.open(dir.filePath(QStringLiteral("library.sqlite")));
        handle.search(QStringLiteral("gateway"), [&](Result<store::SearchResults> r) {
            answeredOn = QThread::currentThread();
            order << (r && r->hits.size() == 1 ? r->hits.first().fileName : QStringLiteral("no hit"));
        });
        QTRY_COMPARE(order.size(), 2);
        QCOMPARE(order, (QStringList{QStringLiteral("indexed"), QStringLiteral("a.faq")}));
        QCOMPARE(answeredOn, QThread::currentThread());
        QCOMPARE(opened.count(), 1);
        QVERIFY(handle.isReady());
        QVERIFY(handle.openStatus().ok());
        QCOMPARE(handle.outcome(), store::OpenOutcome::Created);
    }

    void aStoreThatCannotOpenAnswersEveryCallWithItsError()
    {
        QTemporaryDir dir;
        // A file where the store's folder would be.
        const QString blocker = dir.filePath(QStringLiteral("plain"));
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        StoreHandle handle;
        handle.open(blocker + QStringLiteral("/library.sqlite"));
        QString error;
        handle.bookmarks([&](Result<QList<store::ReadingEntry>> r) { error = r ? QStringLiteral("ok") : r.error(); });
        QTRY_VERIFY(!error.isEmpty());
        QVERIFY(error != QLatin1String("ok"));
        QVERIFY(handle.isReady());
        QCOMPARE(handle.openStatus().error(), error);
    }

    void resultsForAGoneReceiverOrHandleAreDropped()
    {
        QTemporaryDir dir;
        int answered = 0;
        {
            StoreHandle handle;
            handle.open(dir.filePath(QStringLiteral("library.sqlite")));
            auto *window = new QObject;
            handle.post([](store::LibraryStore &s) { return s.bookmarks(); },
                        StoreHandle::Done<Result<QList<store::ReadingEntry>>>([&](auto) { ++answered; }), window);
            handle.finishQueued();
            delete window;
            QCoreApplication::processEvents();
            QCOMPARE(answered, 0);
            // Queued as the handle goes: the store still closes cleanly.
            handle.recordRead(QStringLiteral("a.faq"), QStringLiteral("A"), QDateTime::currentDateTimeUtc(),
                              [&](Status) { ++answered; });
        }
        QCoreApplication::processEvents();
        QCOMPARE(answered, 0);
        // What was queued last was done before the store closed.
        StoreHandle again;
        again.open(dir.filePath(QStringLiteral("library.sqlite")));
        int reads = -1;
        again.recentReads(10, [&](Result<QList<store::ReadingEntry>> r) { reads = r ? int(r->size()) : -2; });
        QTRY_COMPARE(reads, 1);
    }
};

QTEST_GUILESS_MAIN(TestStoreHandle)
#include "test_store_handle.moc"
