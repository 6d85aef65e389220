// The one-pass search against the plain procedure (ReadTextField, QString's
// find without case, a full reread per file name) on generated indexes.
#include "IndexGenerator.h"
#include "IndexReference.h"
#include "index/IndexSearch.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <random>

class TestIndexSearch : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void sameAsReference_data();
    void sameAsReference();
    void fileNamesSameAsReference_data();
    void fileNamesSameAsReference();
    void missingFileHasNoHits();

private:
    QString write(const QByteArray &bytes);
    QTemporaryDir m_dir;
    int m_files = 0;
};

namespace
{

QVector<ReferenceHit> Fast(const QByteArray &index, const QString &text, int maxHits)
{
    QVector<ReferenceHit> out;
    for (const IndexHit &h : SearchIndex(index, text, maxHits))
        out.append({h.Subject, h.Position, h.FileName});
    return out;
}

QString Describe(const QVector<ReferenceHit> &hits)
{
    QStringList rows;
    for (const ReferenceHit &h : hits)
        rows << QStringLiteral("[%1|%2|%3]").arg(h.Subject).arg(h.Position).arg(h.FileName);
    return rows.join(QLatin1Char(' '));
}

const QStringList &Needles()
{
    static const QStringList needles = {
        QStringLiteral("proxy"),
        QStringLiteral("PROXY set"),
        QStringLiteral("proxy set-up"),
        QStringLiteral("é"),
        QStringLiteral("ÉCOLE"),
        QStringLiteral("Œ"),
        QStringLiteral("ŠÁrka"),
        QStringLiteral("ÿ"),
        QStringLiteral("Ÿvonne"),
        QStringLiteral("æSIR"),
        QStringLiteral("a"),
        QStringLiteral("="),
        QStringLiteral("]"),
        QStringLiteral(","),
        QStringLiteral("\""),
        QStringLiteral("\t"),
        QStringLiteral("x]y"),
        QStringLiteral("a=b"),
        QStringLiteral("\u039C-LAW"),
        QStringLiteral("\u017Ftrasse"),
        QStringLiteral("\u212A"),
        QStringLiteral("straße"),
        QStringLiteral("\u1E9E"),
        QStringLiteral("\r\nsecond"),
        QStringLiteral("€"),
        QStringLiteral("faq="),
        QStringLiteral("1"),
        QStringLiteral("intro, proxy"),
        QStringLiteral("say \"hi\""),
        QString::fromUtf8("\xF0\x9F\x98\x80"),
        QStringLiteral("e\u0301"),
        QStringLiteral("first line"),
    };
    return needles;
}

} // namespace

void TestIndexSearch::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

QString TestIndexSearch::write(const QByteArray &bytes)
{
    const QString path = m_dir.filePath(QStringLiteral("index%1.dat").arg(++m_files));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        return QString();
    return path;
}

void TestIndexSearch::sameAsReference_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("maxHits");
    QTest::addColumn<QStringList>("needles");
    for (quint32 seed = 1; seed <= 12; ++seed)
        QTest::addRow("seed %u, 300 records", seed) << seed << 300 << 500 << Needles();
    // Every full reread costs the reference a pass over 3000 records, so only
    // a few texts here; "a" and "e" stop at the cap, "proxy" does not.
    const QStringList common = {QStringLiteral("A"), QStringLiteral("e"), QStringLiteral("proxy")};
    QTest::addRow("more than 500 hits") << 101u << 3000 << 500 << common;
    QTest::addRow("cap of 7") << 102u << 400 << 7 << Needles();
    QTest::addRow("cap of 1") << 103u << 400 << 1 << Needles();
}

void TestIndexSearch::sameAsReference()
{
    QFETCH(quint32, seed);
    QFETCH(int, records);
    QFETCH(int, maxHits);
    QFETCH(QStringList, needles);
    const QByteArray index = GenerateTrickyIndex(seed, records);
    const QString path = write(index);
    QVERIFY(!path.isEmpty());
    for (const QString &needle : needles) {
        const QVector<ReferenceHit> expected = ReferenceSearch(path, needle, maxHits);
        const QVector<ReferenceHit> got = Fast(index, needle, maxHits);
        if (got != expected)
            QFAIL(qPrintable(
                QStringLiteral("needle %1:\n got %2\n expected %3").arg(needle, Describe(got), Describe(expected))));
    }
    if (records > 2000) {
        QCOMPARE(Fast(index, QStringLiteral("a"), maxHits).size(), 500);
        QVERIFY(ReferenceSearch(path, QStringLiteral("a"), 5000).size() > 500);
    }
}

void TestIndexSearch::fileNamesSameAsReference_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed = 20; seed < 26; ++seed)
        QTest::addRow("seed %u", seed) << seed;
}

void TestIndexSearch::fileNamesSameAsReference()
{
    // Subjects of every length cut from anywhere in the text, also across
    // field ends, so the shift table sees short, long and impossible subjects.
    QFETCH(quint32, seed);
    const QByteArray index = GenerateTrickyIndex(seed, 200);
    const QString path = write(index);
    const QString text = platform::DecodeAnsi(index);
    std::mt19937 rng(seed);
    for (int round = 0; round < 8; ++round) {
        QStringList subjects;
        const int count = 1 + int(rng() % 60);
        for (int i = 0; i < count; ++i) {
            const int length = round == 0 ? 1 + int(rng() % 2) : 1 + int(rng() % 24);
            subjects << text.mid(qsizetype(rng() % unsigned(text.size())), length);
        }
        subjects << QStringLiteral("\u212A") << QStringLiteral("nowhere in the index") << QStringLiteral("PROXY");
        const QStringList got = FindServerFileNames(index, subjects);
        for (qsizetype i = 0; i < subjects.size(); ++i)
            QCOMPARE(got.at(i), ReferenceFindServerFileName(path, subjects.at(i)));
    }
}

void TestIndexSearch::missingFileHasNoHits()
{
    QVERIFY(SearchIndexFile(m_dir.filePath(QStringLiteral("missing.dat")), u"proxy", 500).isEmpty());
    QVERIFY(SearchIndexFile(m_dir.path(), u"proxy", 500).isEmpty()); // a folder
    QVERIFY(SearchIndex(QByteArray(), u"proxy", 500).isEmpty());
}

QTEST_GUILESS_MAIN(TestIndexSearch)
#include "test_index_search.moc"
