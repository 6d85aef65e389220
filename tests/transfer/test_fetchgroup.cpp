// Fetches side by side on one multi handle, conditional requests, and their
// cancel, against the real loopback server.
#include "support/TestServer.h"
#include "transfer/FetchGroup.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

using namespace veldra;
using namespace veldra::transfer;
using testsupport::TestServer;

namespace
{

struct Fetched {
    QByteArray body;
    FetchOutcome outcome;
    bool done = false;
};

// Starts `request` in `group`; the body and the outcome land in `into`.
void Start(FetchGroup &group, FetchRequest request, Fetched &into)
{
    group.start(
        request,
        [&into](QByteArrayView piece) {
            into.body.append(piece);
            return Status();
        },
        [&into](const FetchOutcome &outcome) {
            into.outcome = outcome;
            into.done = true;
        });
}

FetchRequest Request(const QString &url)
{
    FetchRequest request;
    request.url = url;
    return request;
}

} // namespace

class TestFetchGroup : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void fourAtOnceEachIntoItsOwnSink();
    void conditionalRequests();
    void abortEndsEveryFetch();
    void refusedRequestEndsFromTheEventLoop();
    void reportsBytes();

private:
    TestServer m_server;
};

void TestFetchGroup::initTestCase()
{
    for (const char *name : {"http_proxy", "all_proxy", "ALL_PROXY", "no_proxy", "NO_PROXY"})
        qunsetenv(name);
    for (int i = 0; i < 4; ++i)
        QVERIFY(m_server.putFile(QStringLiteral("doc%1.txt").arg(i), QByteArray("document ") + QByteArray::number(i)));
    QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
}

void TestFetchGroup::fourAtOnceEachIntoItsOwnSink()
{
    // Each answer takes a second: one after the other they would take four.
    FetchGroup group;
    Fetched fetched[4];
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 4; ++i)
        Start(group, Request(m_server.url(QStringLiteral("/_test/slow/1/doc%1.txt").arg(i))), fetched[i]);
    QCOMPARE(group.running(), 4);
    QTRY_COMPARE_WITH_TIMEOUT(group.running(), 0, 10000);
    QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
    for (int i = 0; i < 4; ++i) {
        QVERIFY2(fetched[i].outcome.status.ok(), qPrintable(fetched[i].outcome.status.error()));
        QCOMPARE(fetched[i].body, QByteArray("document ") + QByteArray::number(i));
        QCOMPARE(fetched[i].outcome.httpStatus, 200);
    }
}

void TestFetchGroup::conditionalRequests()
{
    FetchGroup group;
    Fetched first;
    Start(group, Request(m_server.url(QStringLiteral("/doc0.txt"))), first);
    QTRY_VERIFY(first.done);
    QVERIFY(first.outcome.status.ok());
    QVERIFY(!first.outcome.notModified());
    QVERIFY(first.outcome.etag.startsWith('"'));
    QVERIFY(first.outcome.lastModified.endsWith("GMT"));

    // Either validator of the kept copy: 304, and the sink hears nothing.
    FetchRequest byTag = Request(m_server.url(QStringLiteral("/doc0.txt")));
    byTag.ifNoneMatch = first.outcome.etag;
    FetchRequest byDate = Request(m_server.url(QStringLiteral("/doc0.txt")));
    byDate.ifModifiedSince = first.outcome.lastModified;
    FetchRequest stale = Request(m_server.url(QStringLiteral("/doc0.txt")));
    stale.ifNoneMatch = "\"an older copy\"";
    Fetched tag, date, changed;
    Start(group, byTag, tag);
    Start(group, byDate, date);
    Start(group, stale, changed);
    QTRY_VERIFY(tag.done && date.done && changed.done);
    for (const Fetched *current : {&tag, &date}) {
        QVERIFY2(current->outcome.notModified(), qPrintable(current->outcome.status.error()));
        QCOMPARE(current->body, QByteArray());
    }
    QCOMPARE(tag.outcome.etag, first.outcome.etag);
    QVERIFY(changed.outcome.status.ok() && !changed.outcome.notModified());
    QCOMPARE(changed.body, QByteArray("document 0"));

    // Unasked for, a 304 is no document.
    Fetched unasked;
    Start(group, Request(m_server.url(QStringLiteral("/_test/status/304"))), unasked);
    QTRY_VERIFY(unasked.done);
    QCOMPARE(unasked.outcome.status.error(), QStringLiteral("HTTP 304 Not Modified"));
}

void TestFetchGroup::abortEndsEveryFetch()
{
    FetchGroup group;
    Fetched slow[2];
    for (Fetched &f : slow)
        Start(group, Request(m_server.url(QStringLiteral("/_test/trickle/100/0.05"))), f);
    QTimer::singleShot(300, &group, [&group] { group.abortAll(); });
    QTRY_COMPARE_WITH_TIMEOUT(group.running(), 0, 3000);
    for (const Fetched &f : slow) {
        QVERIFY(f.outcome.cancelled);
        QCOMPARE(f.outcome.status.error(), QStringLiteral("The transfer was cancelled"));
        QVERIFY(!f.body.isEmpty() && f.body.size() < 100);
    }
}

void TestFetchGroup::refusedRequestEndsFromTheEventLoop()
{
    FetchGroup group;
    Fetched refused;
    Start(group, Request(QStringLiteral("ftp://127.0.0.1/x")), refused);
    QVERIFY(!refused.done);
    QTRY_VERIFY(refused.done);
    QCOMPARE(refused.outcome.status.error(), QStringLiteral("Not an http or https address: ftp://127.0.0.1/x"));
    QVERIFY(!refused.outcome.cancelled);
}

void TestFetchGroup::reportsBytes()
{
    // Half of the document, a pause, the rest: the half is reported on its own.
    QVERIFY(m_server.putFile(QStringLiteral("big.txt"), QByteArray(200000, 'b')));
    FetchGroup group;
    QList<QPair<qint64, qint64>> reports;
    bool done = false;
    group.start(
        Request(m_server.url(QStringLiteral("/_test/halves/big.txt"))), [](QByteArrayView) { return Status(); },
        [&done](const FetchOutcome &) { done = true; },
        [&reports](qint64 received, qint64 total) {
            reports.append({received, total});
        });
    QTRY_VERIFY(done);
    QVERIFY(reports.size() >= 2);
    QVERIFY(std::any_of(reports.begin(), reports.end(), [](const auto &r) { return r.first == 100000; }));
    QCOMPARE(reports.last(), (QPair<qint64, qint64>(200000, 200000)));
}

QTEST_GUILESS_MAIN(TestFetchGroup)
#include "test_fetchgroup.moc"
