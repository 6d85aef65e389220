// The whole library fetched against the loopback server: new documents, a 304
// and an unchanged body keep the copy, a changed one replaces it, program file
// names are refused, and a cancel half-way leaves only whole documents behind,
// from which the next run goes on.
#include "offline/LibrarySync.h"
#include "support/TestServer.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <map>

using namespace veldra;
using namespace veldra::offline;
using testsupport::TestServer;

namespace
{

struct Answer {
    SyncResult result;
    QByteArray etag, lastModified;
};

// Runs `plan` to its end; what each document came to lands in `answers`.
SyncSummary Run(LibrarySync &sync, const QList<SyncItem> &plan, std::map<QString, Answer> *answers = nullptr,
                int cancelAfter = -1)
{
    int arrived = 0;
    const auto c = QObject::connect(&sync, &LibrarySync::documentDone,
                                    [&](const QString &name, const QString &, SyncResult result, const QByteArray &etag,
                                        const QByteArray &lastModified) {
                                        if (answers)
                                            (*answers)[name] = {result, etag, lastModified};
                                        if (++arrived == cancelAfter)
                                            sync.cancel();
                                    });
    QSignalSpy finished(&sync, &LibrarySync::finished);
    sync.start(plan);
    if (!finished.wait(60000))
        qWarning() << "the sync did not finish";
    QObject::disconnect(c);
    return sync.summary();
}

QList<SyncItem> Plan(const QStringList &names, const std::map<QString, Answer> &known = {})
{
    QList<SyncItem> plan;
    for (const QString &name : names) {
        SyncItem item{name, false, {}, {}};
        if (const auto it = known.find(name); it != known.end())
            item = {name, true, it->second.etag, it->second.lastModified};
        plan.append(item);
    }
    return plan;
}

QByteArray Doc(const QString &name)
{
    return "Subject=About " + name.toLatin1() + "\r\n[Body]\r\nText of " + name.toLatin1() + "\r\n[/Body]";
}

} // namespace

class TestLibrarySync : public QObject
{
    Q_OBJECT
private slots:
    void fetchesNewKeepsCurrentAndReplacesChanged()
    {
        TestServer server;
        const QStringList names = {QStringLiteral("a.faq"), QStringLiteral("b.faq"), QStringLiteral("c.faq")};
        for (const QString &name : names)
            QVERIFY(server.putFile(QStringLiteral("lib/") + name, Doc(name)));
        QVERIFY2(server.start(), qPrintable(server.errorString()));
        QTemporaryDir folder;
        SyncTarget target{
            server.url(QStringLiteral("/lib/")), folder.path() + QLatin1Char('/'), QStringLiteral("veldra"), {}, {}, 2};
        LibrarySync sync(target);

        std::map<QString, Answer> known;
        SyncSummary sum = Run(sync, Plan(names + QStringList{QStringLiteral("script.dat")}), &known);
        QCOMPARE(sum.newDocuments, 3);
        QCOMPARE(sum.failures.size(), 1);
        QVERIFY(sum.failures.first().startsWith(QLatin1String("script.dat: ")));
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("script.dat"))));
        QFile a(folder.filePath(QStringLiteral("a.faq")));
        QVERIFY(a.open(QIODevice::ReadOnly));
        QCOMPARE(a.readAll(), Doc(QStringLiteral("a.faq")) + "\r\n");
        QVERIFY(!known[QStringLiteral("a.faq")].etag.isEmpty());

        // With the validators the server answers 304 and the copy stays as it
        // is (here one that differs, to tell). Without them a copy whose text
        // is the same again is current too.
        a.close();
        QVERIFY(a.open(QIODevice::WriteOnly));
        a.write("kept");
        a.close();
        std::map<QString, Answer> again;
        QList<SyncItem> plan = Plan(names, known);
        plan[2].etag.clear();
        plan[2].lastModified.clear();
        QTest::qWait(1100); // b.faq's new Last-Modified is a second of its own
        QVERIFY(server.putFile(QStringLiteral("lib/b.faq"), Doc(QStringLiteral("b.faq")) + " more"));
        sum = Run(sync, plan, &again);
        QCOMPARE(sum.newDocuments, 0);
        QCOMPARE(sum.changedDocuments, 1);
        QCOMPARE(sum.currentDocuments, 2);
        QCOMPARE(again[QStringLiteral("b.faq")].result, SyncResult::Changed);
        QCOMPARE(again[QStringLiteral("c.faq")].result, SyncResult::Current);
        QVERIFY(sum.failures.isEmpty());
        QFile b(folder.filePath(QStringLiteral("b.faq")));
        QVERIFY(b.open(QIODevice::ReadOnly));
        QVERIFY(b.readAll().endsWith(" more\r\n"));
        QVERIFY(a.open(QIODevice::ReadOnly));
        QCOMPARE(a.readAll(), QByteArray("kept"));
        QCOMPARE(again[QStringLiteral("a.faq")].result, SyncResult::Current);
    }

    void cancelHalfWayThenGoOn()
    {
        QStringList names;
        TestServer server(QString(), 0.3);
        for (int i = 0; i < 10; ++i) {
            names << QStringLiteral("d%1.faq").arg(i);
            QVERIFY(server.putFile(QStringLiteral("lib/") + names.last(), Doc(names.last())));
        }
        QVERIFY2(server.start(), qPrintable(server.errorString()));
        QTemporaryDir folder;
        LibrarySync sync({server.url(QStringLiteral("/lib/")),
                          folder.path() + QLatin1Char('/'),
                          QStringLiteral("veldra"),
                          {},
                          {},
                          4});

        std::map<QString, Answer> known;
        const SyncSummary first = Run(sync, Plan(names), &known, 2);
        QVERIFY(first.cancelled);
        QVERIFY(first.newDocuments >= 2);
        QVERIFY(first.newDocuments < names.size());
        // Only whole documents are left; no work file stays behind.
        const QStringList files = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(files.size(), first.newDocuments);
        for (const QString &file : files)
            QVERIFY2(known.count(file), qPrintable(file));

        std::map<QString, Answer> second;
        const SyncSummary rest = Run(sync, Plan(names, known), &second);
        QVERIFY(!rest.cancelled);
        QCOMPARE(rest.currentDocuments, first.newDocuments);
        QCOMPARE(rest.newDocuments, names.size() - first.newDocuments);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), names.size());
    }
};

QTEST_GUILESS_MAIN(TestLibrarySync)
#include "test_library_sync.moc"
