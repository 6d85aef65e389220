#include "faq/ReadingTrail.h"

#include <QTest>

using veldra::faq::ReadingTrail;

// Back and forward through the documents read, as a browser goes through pages.
class TestReadingTrail : public QObject
{
    Q_OBJECT
private slots:
    void backAndForward();
    void readingWhileBackDropsWhatWasAhead();
    void oldestStopsGoFirst();
};

void TestReadingTrail::backAndForward()
{
    ReadingTrail trail;
    QVERIFY(!trail.back() && !trail.forward() && trail.current().isEmpty());
    trail.read(QStringLiteral("a"));
    trail.read(QStringLiteral("b"));
    trail.read(QStringLiteral("b")); // read again: still one stop
    trail.read(QString());
    QCOMPARE(trail.back(), QStringLiteral("a"));
    QVERIFY(!trail.back());
    QCOMPARE(trail.current(), QStringLiteral("a"));
    QCOMPARE(trail.forward(), QStringLiteral("b"));
    QVERIFY(!trail.canGoForward() && !trail.forward());
}

void TestReadingTrail::readingWhileBackDropsWhatWasAhead()
{
    ReadingTrail trail;
    for (const char *p : {"a", "b", "c"})
        trail.read(QString::fromLatin1(p));
    trail.back();
    trail.back();
    trail.read(QStringLiteral("d"));
    QVERIFY(!trail.canGoForward());
    QCOMPARE(trail.back(), QStringLiteral("a"));
    QCOMPARE(trail.forward(), QStringLiteral("d"));
}

void TestReadingTrail::oldestStopsGoFirst()
{
    ReadingTrail trail;
    for (int i = 0; i < ReadingTrail::kMaxStops + 5; ++i)
        trail.read(QString::number(i));
    int steps = 0;
    while (trail.back())
        ++steps;
    QCOMPARE(steps, ReadingTrail::kMaxStops - 1);
    QCOMPARE(trail.current(), QStringLiteral("5"));
}

QTEST_MAIN(TestReadingTrail)
#include "test_readingtrail.moc"
