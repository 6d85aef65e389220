// The one-pass search against the plain procedure (ReadTextField, QString's
// find without case, a full reread per file name) on generated indexes.
#include "IndexGenerator.h"
#include "IndexReference.h"
#include "index/AnsiFold.h"
#include "index/IndexSearch.h"
#include "index/LastFields.h"
#include "index/SubjectAutomaton.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <random>

#include <sys/stat.h>

using namespace veldra::index;
using veldra::text::FieldSpan;

class TestIndexSearch : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void sameAsReference_data();
    void sameAsReference();
    void fileNamesSameAsReference_data();
    void fileNamesSameAsReference();
    void alikeRecordsSameAsReference();
    void secondPartStartsAtARead();
    void alignedSubjectsHandOver();
    void subjectsInBatches();
    void automatonWithAndWithoutTable();
    void longSubjectsSameAsReference();
    void missingFileHasNoHits();

private:
    QString write(const QByteArray &bytes);
    QTemporaryDir m_dir;
    int m_files = 0;
};

namespace
{

QVector<ReferenceHit> Fast(const QString &path, const QString &text, int maxHits)
{
    QVector<ReferenceHit> out;
    for (const IndexHit &h : SearchIndexFile(path, text, maxHits))
        out.append({h.Subject, h.Position, h.FileName});
    return out;
}

QStringList FastNames(const QString &path, const QStringList &subjects, const QString &anchor)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return FindServerFileNames(file.readAll(), subjects, 0, anchor);
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
        const QVector<ReferenceHit> got = Fast(path, needle, maxHits);
        if (got != expected)
            QFAIL(qPrintable(
                QStringLiteral("needle %1:\n got %2\n expected %3").arg(needle, Describe(got), Describe(expected))));
        // The same with the file names' pass in two parts, wherever the
        // second one's guessed start lies.
        QVector<ReferenceHit> inParts;
        for (const IndexHit &h : SearchIndex(index, needle, maxHits, nullptr, 0))
            inParts.append({h.Subject, h.Position, h.FileName});
        if (inParts != expected)
            QFAIL(qPrintable(QStringLiteral("needle %1 in two parts:\n got %2\n expected %3")
                                 .arg(needle, Describe(inParts), Describe(expected))));
    }
    if (records > 2000) {
        QCOMPARE(Fast(path, QStringLiteral("a"), maxHits).size(), 500);
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
        const QStringList got = FastNames(path, subjects, QString());
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
        QCOMPARE(FastNames(path, subjects, anchor), expected);
        // One subject without the anchor: every field is looked at instead.
        subjects << QStringLiteral("faq");
        QCOMPARE(FastNames(path, subjects, anchor).last(), ReferenceFindServerFileName(path, QStringLiteral("faq")));
    }
}

void TestIndexSearch::alikeRecordsSameAsReference()
{
    // Every record holds the text with the same bytes around it, and the
    // subjects of early records lie inside those of later ones ("no. 1" in
    // "no. 12"), also across a comma of an unquoted record, so one field
    // decides many subjects and a subject is decided by a later record's.
    QByteArray index;
    for (int i = 1; i <= 700; ++i)
        index += (i % 97 == 0 ? QByteArray("c.faq=Intro, ") : QByteArray("f") + QByteArray::number(i) + ".faq=") +
                 "Printing with QUARTZ fonts no. " + QByteArray::number(i) + "]\r\n";
    const QString path = write(index);
    for (const QString &needle : {QStringLiteral("quartz"), QStringLiteral("fonts no. 1"), QStringLiteral("faq")})
        QCOMPARE(Describe(Fast(path, needle, 500)), Describe(ReferenceSearch(path, needle)));
}

void TestIndexSearch::secondPartStartsAtARead()
{
    // The line end past the middle lies inside a quoted field: read from
    // there, the rest of it would look like a record of its own that decides
    // the subject's file name.
    QByteArray index = "a.faq=Quartz no. 1]\n";
    for (int i = 0; i < 50; ++i)
        index += "f.faq=filler]\n";
    index += "\"z.faq=" + QByteArray(600, 'z') + "\nbad.faq=Quartz no. 1]\"\n";
    for (int i = 0; i < 49; ++i)
        index += "f.faq=filler]\n";
    const QString path = write(index);
    for (const QString &needle : {QStringLiteral("quartz"), QStringLiteral("no. 1]"), QStringLiteral("filler")}) {
        QVector<ReferenceHit> inParts;
        for (const IndexHit &h : SearchIndex(index, needle, 500, nullptr, 0))
            inParts.append({h.Subject, h.Position, h.FileName});
        QCOMPARE(Describe(inParts), Describe(ReferenceSearch(path, needle)));
    }
}

void TestIndexSearch::alignedSubjectsHandOver()
{
    // Hundreds of subjects end in the search text and agree on what comes
    // before it, so each occurrence would compare most of them: the automaton
    // takes over part of the way, and what was found before still counts
    // ("Zebra quartz" occurs only in the first record).
    QByteArray index = "first.faq=Zebra quartz]\n";
    for (int i = 1; i <= 600; ++i)
        index += "f" + QByteArray::number(i) + ".faq=" + QByteArray(i, 'A') + "quartz]\n";
    const QString path = write(index);
    const QString expected = Describe(ReferenceSearch(path, QStringLiteral("quartz")));
    QVERIFY(expected.contains(QStringLiteral("|first.faq]")));
    for (const qsizetype parts : {kSecondThreadBytes, qsizetype(0)}) {
        QVector<ReferenceHit> got;
        for (const IndexHit &h : SearchIndex(index, u"quartz", 500, nullptr, parts))
            got.append({h.Subject, h.Position, h.FileName});
        QCOMPARE(Describe(got), expected);
    }
}

void TestIndexSearch::subjectsInBatches()
{
    // Subjects of more bytes together than an automaton takes go a batch at a
    // time, longest first, those longer than a batch on their own; a batch
    // looks only at fields as long as its shortest subject.
    QByteArray index = "first.faq=Zebra quartz]\n";
    for (int i = 1; i <= 600; ++i)
        index += "f" + QByteArray::number(i) + ".faq=" + QByteArray(i, 'A') + "quartz]\n";
    index += "again.faq=" + QByteArray(499, 'A') + "quartz]\n";
    index += "short.faq=Aquartz]\n";
    // and once with a last field just as long as the shortest subject
    for (const QByteArray &searched : {index, index + "Aquartz\n"}) {
        const QString expected = Describe(ReferenceSearch(write(searched), QStringLiteral("quartz")));
        for (const qsizetype parts : {kSecondThreadBytes, qsizetype(0)})
            for (const qsizetype batch : {qsizetype(64), qsizetype(700)}) {
                QVector<ReferenceHit> got;
                for (const IndexHit &h : SearchIndex(searched, u"quartz", 500, nullptr, parts, batch))
                    got.append({h.Subject, h.Position, h.FileName});
                QCOMPARE(Describe(got), expected);
            }
    }
    // Without the search text to go by, and with an empty subject, which
    // every field holds.
    const AnsiFold &fold = AnsiFold::instance();
    const std::vector<QByteArray> subjects = {fold.classesOf("zebra"), fold.classesOf("aquartz"),
                                              fold.classesOf(QByteArray(599, 'a') + "QUARTZ"), QByteArray(),
                                              fold.classesOf("nowhere"),
                                              // a whole field: no longer field holds it
                                              fold.classesOf("again.faq=" + QByteArray(499, 'a') + "quartz]")};
    std::vector<QString> names;
    QVERIFY(FileNamesOfLastFields(index, subjects, 0, nullptr, nullptr, &names, 0, 64));
    QCOMPARE(QStringList(names.begin(), names.end()),
             QStringList({QStringLiteral("first.faq"), QStringLiteral("short.faq"), QStringLiteral("f600.faq"),
                          QStringLiteral("short.faq"), QString(), QStringLiteral("again.faq")}));
    // Cancel ends them as it ends the other ways.
    const std::atomic<bool> stop{true};
    QVERIFY(!FileNamesOfLastFields(index, subjects, 0, nullptr, &stop, &names, 0, 64));
}

void TestIndexSearch::automatonWithAndWithoutTable()
{
    // Few letters, so that subjects nest and overlap; both ways of stepping
    // must give what a plain find in every field gives.
    const AnsiFold &fold = AnsiFold::instance();
    std::mt19937 rng(7);
    const QByteArray letters("abAB c,");
    QByteArray text;
    for (int i = 0; i < 3000; ++i)
        text += letters[rng() % letters.size()];
    std::vector<FieldSpan> fields;
    for (qsizetype pos = 0; pos < text.size();) {
        fields.push_back(veldra::text::NextField(text.constData(), text.size(), pos));
        pos = fields.back().next;
    }
    std::vector<QByteArray> subjects;
    for (int i = 0; i < 80; ++i)
        subjects.push_back(fold.classesOf(text.mid(qsizetype(rng() % 2990), 1 + qsizetype(rng() % 9))));
    for (const size_t table : {SubjectAutomaton::kMaxTable, size_t(0)}) {
        SubjectAutomaton automaton(fold.classes(), table);
        std::vector<int> numbers;
        for (const QByteArray &s : subjects)
            numbers.push_back(automaton.add(s));
        automaton.build();
        for (const FieldSpan &f : fields)
            automaton.feed(text.constData(), f);
        for (size_t i = 0; i < subjects.size(); ++i) {
            qsizetype expected = -1;
            for (const FieldSpan &f : fields)
                if (fold.classesOf(text.mid(f.begin, f.end - f.begin)).contains(subjects[i]))
                    expected = f.begin;
            QCOMPARE(automaton.lastField(numbers[i]).begin, expected);
        }
    }
}

void TestIndexSearch::longSubjectsSameAsReference()
{
    // Subjects too long together for the automaton's tables take the other
    // way; a later record holding an earlier subject still decides its name.
    QByteArray index;
    std::mt19937 rng(5);
    QByteArray body(1200 * 1024, Qt::Uninitialized);
    for (char &c : body)
        c = char('a' + rng() % 26);
    for (int i = 0; i < 4; ++i)
        index += "f" + QByteArray::number(i) + ".faq=" + body + QByteArray(i, 'y') + "]\r\n";
    index += "last.faq=" + body + "yy!]\r\n";
    const QString path = write(index);
    for (const QString &needle : {QStringLiteral("X"), QStringLiteral("faq")})
        QCOMPARE(Describe(Fast(path, needle, 500)), Describe(ReferenceSearch(path, needle)));
}

void TestIndexSearch::missingFileHasNoHits()
{
    QVERIFY(SearchIndexFile(m_dir.filePath(QStringLiteral("missing.dat")), u"proxy", 500).isEmpty());
    QVERIFY(SearchIndexFile(m_dir.path(), u"proxy", 500).isEmpty()); // a folder
    QVERIFY(SearchIndex(QByteArrayView(), u"proxy", 500).isEmpty());
    QVERIFY(SearchIndexFile(write(QByteArray()), u"proxy", 500).isEmpty());
    // A pipe at the index's place would never end a read: no hits, at once.
    const QString fifo = m_dir.filePath(QStringLiteral("fifo.dat"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(SearchIndexFile(fifo, u"proxy", 500).isEmpty());
    // A link is not followed, even to a good index.
    const QString good = write("a.faq=Proxy set-up]\r\n");
    QCOMPARE(SearchIndexFile(good, u"proxy", 500).size(), 1);
    const QString link = m_dir.filePath(QStringLiteral("link.dat"));
    QVERIFY(QFile::link(good, link));
    QVERIFY(SearchIndexFile(link, u"proxy", 500).isEmpty());
}

QTEST_GUILESS_MAIN(TestIndexSearch)
#include "test_index_search.moc"
