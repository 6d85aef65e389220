// The one-pass search against the plain procedure (ReadTextField, QString's
// find without case, a full reread per file name) on generated indexes.
#include "IndexGenerator.h"
#include "IndexReference.h"
#include "index/IndexSearch.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <random>

using namespace veldra::index;

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

// Windows of 16 and 61 bytes cut through fields of every kind; the large one
// holds the whole index.
const qsizetype kWindows[] = {kIndexWindow, 61, 16};

QVector<ReferenceHit> Fast(const QString &path, const QString &text, int maxHits, qsizetype window)
{
    QVector<ReferenceHit> out;
    for (const IndexHit &h : SearchIndexFile(path, text, maxHits, window))
        out.append({h.Subject, h.Position, h.FileName});
    return out;
}

QStringList FastNames(const QString &path, const QStringList &subjects, const QString &anchor, qsizetype window)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return FindServerFileNames(file, subjects, 0, anchor, window);
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
        for (const qsizetype window : kWindows) {
            const QVector<ReferenceHit> got = Fast(path, needle, maxHits, window);
            if (got != expected)
                QFAIL(qPrintable(QStringLiteral("needle %1, window %2:\n got %3\n expected %4")
                                     .arg(needle, QString::number(window), Describe(got), Describe(expected))));
        }
    }
    if (records > 2000) {
        QCOMPARE(Fast(path, QStringLiteral("a"), maxHits, kIndexWindow).size(), 500);
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
    const QString text = veldra::text::DecodeAnsi(index);
    std::mt19937 rng(seed);
    for (int round = 0; round < 8; ++round) {
        QStringList subjects;
        const int count = 1 + int(rng() % 60);
        for (int i = 0; i < count; ++i) {
            const int length = round == 0 ? 1 + int(rng() % 2) : 1 + int(rng() % 24);
            subjects << text.mid(qsizetype(rng() % unsigned(text.size())), length);
        }
        subjects << QStringLiteral("\u212A") << QStringLiteral("nowhere in the index") << QStringLiteral("PROXY");
        const QStringList got = FastNames(path, subjects, QString(), kWindows[round % 3]);
        for (qsizetype i = 0; i < subjects.size(); ++i)
            QCOMPARE(got.at(i), ReferenceFindServerFileName(path, subjects.at(i)));
    }

    // Subjects that all contain an anchor are looked for only where the anchor
    // occurs: cut them around the anchor's occurrences, with little or much
    // text on either side, so that they share some context and not other.
    const QStringList anchors = {QStringLiteral("proxy"), QStringLiteral("É"),    QStringLiteral("a"),
                                 QStringLiteral(", "),    QStringLiteral("\r\n"), QStringLiteral("]")};
    for (const QString &anchor : anchors) {
        QList<qsizetype> at;
        for (qsizetype i = text.indexOf(anchor, 0, Qt::CaseInsensitive); i >= 0;
             i = text.indexOf(anchor, i + 1, Qt::CaseInsensitive))
            at << i;
        if (at.isEmpty())
            continue;
        QStringList subjects;
        for (int i = 0; i < 40; ++i) {
            const qsizetype p = at[qsizetype(rng() % unsigned(at.size()))];
            const qsizetype before = qMin<qsizetype>(p, rng() % 3 == 0 ? 0 : rng() % 14);
            const qsizetype after = rng() % 3 == 0 ? 0 : rng() % 14;
            subjects << text.mid(p - before, before + anchor.size() + after);
        }
        QStringList expected;
        for (const QString &subject : subjects)
            expected << ReferenceFindServerFileName(path, subject);
        for (const qsizetype window : kWindows)
            QCOMPARE(FastNames(path, subjects, anchor, window), expected);
        // One subject without the anchor: every field is looked at instead.
        subjects << QStringLiteral("faq");
        QCOMPARE(FastNames(path, subjects, anchor, 16).last(),
                 ReferenceFindServerFileName(path, QStringLiteral("faq")));
    }
}

void TestIndexSearch::missingFileHasNoHits()
{
    QVERIFY(SearchIndexFile(m_dir.filePath(QStringLiteral("missing.dat")), u"proxy", 500).isEmpty());
    QVERIFY(SearchIndexFile(m_dir.path(), u"proxy", 500).isEmpty()); // a folder
    QBuffer empty;
    empty.open(QIODevice::ReadOnly);
    QVERIFY(SearchIndex(empty, u"proxy", 500).isEmpty());
}

QTEST_GUILESS_MAIN(TestIndexSearch)
#include "test_index_search.moc"
