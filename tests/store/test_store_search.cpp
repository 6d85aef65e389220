#include "StoreFixture.h"
#include "store/Snippet.h"

using namespace veldra::store;
using storetest::Doc;
using storetest::Names;
using veldra::Error;
using veldra::Result;
using veldra::Status;

class TestStoreSearch : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void ranksSubjectBeforeBody();
    void matches_data();
    void matches();
    void queriesArePlainWords_data();
    void queriesArePlainWords();
    void marksAndDocumentWords();
    void snippetShowsTheBestPlace();
    void capsTheHits();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<LibraryStore> m_store;
};

void TestStoreSearch::initTestCase()
{
    m_store = storetest::OpenStore(m_dir.filePath(QStringLiteral("library.sqlite")));
    QVERIFY(m_store);
    QString filler;
    for (int i = 0; i < 60; ++i)
        filler += QStringLiteral("Some filler text about ordinary topics, number %1. ").arg(i);
    const DocumentText docs[] = {
        Doc(QStringLiteral("body.txt"), QStringLiteral("Miscellaneous notes"),
            QStringLiteral("Printer drivers, once.")),
        Doc(QStringLiteral("subject.txt"), QStringLiteral("Printer drivers for Linux"), filler),
        Doc(QStringLiteral("cafe.txt"), QStringLiteral("Café crème"),
            QStringLiteral("The CAFÉ and naïve things.\n\nPrinting\tmenus.")),
        Doc(QStringLiteral("plain.txt"), QStringLiteral("Coffee"), QStringLiteral("A cafe without accents.")),
        Doc(QStringLiteral("filler1.txt"), QStringLiteral("Filler one"), filler),
        Doc(QStringLiteral("filler2.txt"), QStringLiteral("Filler two"), filler),
        Doc(QStringLiteral("filler3.txt"), QStringLiteral("Filler three"), filler),
    };
    for (const DocumentText &doc : docs)
        QVERIFY(m_store->indexDocument(doc));
}

void TestStoreSearch::ranksSubjectBeforeBody()
{
    const Result<SearchResults> found = m_store->search(QStringLiteral("printer drivers"));
    QVERIFY(found);
    QCOMPARE(found->hits.size(), 2);
    QCOMPARE(found->hits[0].fileName, QStringLiteral("subject.txt"));
    QCOMPARE(found->hits[1].fileName, QStringLiteral("body.txt"));
}

void TestStoreSearch::matches_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("expected");
    const QStringList cafes = {QStringLiteral("cafe.txt"), QStringLiteral("plain.txt")};
    const QStringList printers = {QStringLiteral("body.txt"), QStringLiteral("subject.txt")};
    QTest::newRow("plain") << "cafe" << cafes;
    QTest::newRow("accent") << "Café" << cafes;
    QTest::newRow("capitals and accent") << "CAFÉ" << cafes;
    QTest::newRow("decomposed accent") << QStringLiteral("nai\u0308ve") << QStringList{QStringLiteral("cafe.txt")};
    QTest::newRow("every word, any order") << "linux printer" << QStringList{QStringLiteral("subject.txt")};
    QTest::newRow("one word missing") << "printer zebra" << QStringList();
    QTest::newRow("last word as prefix") << "printer driv" << printers;
    QTest::newRow("prefix reaches other words")
        << "print"
        << QStringList{QStringLiteral("body.txt"), QStringLiteral("cafe.txt"), QStringLiteral("subject.txt")};
    QTest::newRow("prefix of three letters")
        << "PRÍ" << QStringList{QStringLiteral("body.txt"), QStringLiteral("cafe.txt"), QStringLiteral("subject.txt")};
    QTest::newRow("only the last word is a prefix") << "driv printer" << QStringList();
    QTest::newRow("author") << "writer cafe" << cafes;
}

void TestStoreSearch::matches()
{
    QFETCH(QString, query);
    QFETCH(QStringList, expected);
    const Result<SearchResults> found = m_store->search(query);
    QVERIFY2(found, qPrintable(found.error()));
    QCOMPARE(Names(found.value()), expected);
}

void TestStoreSearch::queriesArePlainWords_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QStringList>("expected");
    const QStringList printers = {QStringLiteral("body.txt"), QStringLiteral("subject.txt")};
    // Read as operators these would find documents (or fail); as words, no
    // document holds "or", "not", "near", "subject" or "drop".
    QTest::newRow("OR") << "cafe OR printer" << QStringList();
    QTest::newRow("NOT first") << "NOT cafe" << QStringList();
    QTest::newRow("AND") << "printer AND" << QStringList();
    QTest::newRow("NEAR group") << "NEAR(printer drivers)" << QStringList();
    QTest::newRow("column filter") << "subject:printer" << QStringList();
    QTest::newRow("column list") << "{subject author}: printer" << QStringList();
    QTest::newRow("SQL") << "'; DROP TABLE documents; --" << QStringList();
    // Signs and marks between words only separate them.
    QTest::newRow("open quote") << "\"printer drivers" << printers;
    QTest::newRow("quote inside") << "printer\"drivers" << printers;
    QTest::newRow("doubled quotes") << "\"\"printer\"\" drivers\"\"" << printers;
    QTest::newRow("star and caret") << "^printer* drivers*" << printers;
    QTest::newRow("plus and minus") << "-printer +drivers" << printers;
    QTest::newRow("brackets") << "(printer) [drivers]" << printers;
    QTest::newRow("control characters") << QStringLiteral("\u0001printer\u0000drivers\u0002") << printers;
    QTest::newRow("empty") << "" << QStringList();
    QTest::newRow("only signs") << "\"\" * ^ : - + () {} ~ ." << QStringList();
    QTest::newRow("lone surrogate") << QStringLiteral("\xd800") << QStringList();
    QTest::newRow("very long") << QString(100000, QLatin1Char('x')) << QStringList();
    QTest::newRow("many words") << QStringLiteral("printer ").repeated(5000) << printers;
}

void TestStoreSearch::queriesArePlainWords()
{
    QFETCH(QString, query);
    QFETCH(QStringList, expected);
    const Result<SearchResults> found = m_store->search(query);
    QVERIFY2(found, qPrintable(found.error()));
    QCOMPARE(Names(found.value()), expected);
    QVERIFY(m_store->document(QStringLiteral("cafe.txt")).value().has_value());
}

void TestStoreSearch::marksAndDocumentWords()
{
    // Without a snippet the words are as typed; the snippet is made later.
    Result<SearchResults> found = m_store->search(QStringLiteral("naive prin"), Limits::kMaxHits, 0);
    QVERIFY(found);
    QCOMPARE(found->terms, (QStringList{QStringLiteral("naive"), QStringLiteral("prin")}));
    QCOMPARE(found->hits.size(), 1);
    QVERIFY(!found->hits[0].hasSnippet);
    QCOMPARE(found->hits[0].words, found->terms);
    QVERIFY(m_store->fillSnippets(found.value(), 0));
    const SearchHit &hit = found->hits[0];
    QVERIFY(hit.hasSnippet);
    QCOMPARE(hit.words, (QStringList{QStringLiteral("naïve"), QStringLiteral("Printing")}));
    QCOMPARE(hit.snippet, QStringLiteral("The CAFÉ and naïve things. Printing menus."));
    QCOMPARE(hit.snippetMarks, (QList<TextRange>{{13, 5}, {27, 8}}));

    const Result<SearchResults> cafe = m_store->search(QStringLiteral("cafe crème"));
    QVERIFY(cafe);
    QCOMPARE(cafe->hits.size(), 1);
    QCOMPARE(cafe->hits[0].subject, QStringLiteral("Café crème"));
    QCOMPARE(cafe->hits[0].subjectMarks, (QList<TextRange>{{0, 4}, {5, 5}}));
    QCOMPARE(cafe->hits[0].words, (QStringList{QStringLiteral("Café"), QStringLiteral("crème")}));
}

void TestStoreSearch::snippetShowsTheBestPlace()
{
    const QString filler = QStringLiteral("lorem ipsum dolor ").repeated(30);
    const QString body = filler + QStringLiteral("one Alpha here, ") + filler +
                         QStringLiteral("then ALPHA and betamax.\n Done. ") + filler;
    const MarkedText snippet = MakeSnippet(body, {QStringLiteral("alpha"), QStringLiteral("beta")}, 12);
    QCOMPARE(snippet.text,
             QStringLiteral("\u2026ipsum dolor then ALPHA and betamax. Done. lorem ipsum dolor lorem ipsum\u2026"));
    QCOMPARE(snippet.marks, (QList<TextRange>{{18, 5}, {28, 7}}));
    // Without a match: the start.
    QCOMPARE(MakeSnippet(body, {QStringLiteral("zebra")}, 3).text, QStringLiteral("lorem ipsum dolor\u2026"));
}

void TestStoreSearch::capsTheHits()
{
    const Result<SearchResults> capped = m_store->search(QStringLiteral("filler"), 3);
    QVERIFY(capped);
    QCOMPARE(capped->hits.size(), 3);
    QVERIFY(capped->truncated);
    const Result<SearchResults> all = m_store->search(QStringLiteral("filler"));
    QVERIFY(all);
    QCOMPARE(all->hits.size(), 4);
    QVERIFY(!all->truncated);
}

QTEST_GUILESS_MAIN(TestStoreSearch)
#include "test_store_search.moc"
