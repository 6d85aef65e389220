#include "CorpusExpectation.h"

#include "richtext/RichTextBox.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

// Loads every document of the shared real-world RTF corpus into the rich-text
// box under a time bound, and checks its text against the output the source
// project expects, where the corpus has one.
class TestRtfCorpus : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void document_data();
    void document();
    void cleanupTestCase();

private:
    QDir m_dir;
    int m_loaded = 0;
    int m_checked = 0;
    int m_matched = 0;
};

namespace
{

constexpr qint64 kTimeBoundMs = 5000;

QString ReadUtf8(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

// Documents whose expected output does not follow from the document alone.
struct Special {
    const char *name;
    enum { Prefix, ExactText } kind;
    const char *text;
};

const Special kSpecial[] = {
    // A second document follows the first one's closing brace; striprtf shows
    // it, a viewer stops at the end of the first.
    {"joshy-striprtf__encoding.rtf", Special::Prefix, nullptr},
    // Truncated twin of RtfParserTest_0, whose text the corpus notes give.
    {"erdomke-RtfPipe__RtfParserTest_fail_3.rtf", Special::ExactText, "Hello world in {RTF}…"},
    // Nothing but a picture.
    {"tbluemel-rtf.js__simplepngbin.rtf", Special::ExactText, ""},
};

const Special *SpecialFor(const QString &name)
{
    for (const Special &s : kSpecial)
        if (name == QLatin1String(s.name))
            return &s;
    return nullptr;
}

QString WithoutWhiteSpace(QString s)
{
    s.remove(QRegularExpression(QStringLiteral("\\s+")));
    return s;
}

// Where two texts part, with some context, for the failure message.
QString FirstDifference(const QString &ours, const QString &expected)
{
    qsizetype i = 0;
    while (i < ours.size() && i < expected.size() && ours.at(i) == expected.at(i))
        ++i;
    const qsizetype from = qMax<qsizetype>(0, i - 60);
    return QStringLiteral("at %1 of %2/%3:\n ours:     %4\n expected: %5")
        .arg(i)
        .arg(ours.size())
        .arg(expected.size())
        .arg(ours.mid(from, 160), expected.mid(from, 160));
}

} // namespace

void TestRtfCorpus::initTestCase()
{
    m_dir = QDir(QStringLiteral(VELDRA_TESTDATA "/rtf-corpus"));
    if (m_dir.exists())
        return;
    // The corpus lies beside the repository on the build machines, not in a
    // user's clone: there the test says so instead of failing.
    const QString where = QStringLiteral("the RTF corpus is expected in ") + m_dir.absolutePath();
    if (qEnvironmentVariableIsSet("CI"))
        QFAIL(qPrintable(where + QStringLiteral(" (CI is set, so it must be there)")));
    QSKIP(qPrintable(where + QStringLiteral("; it is missing, so the corpus test is skipped")));
}

void TestRtfCorpus::document_data()
{
    QTest::addColumn<QString>("name");
    const QStringList names = QDir(QStringLiteral(VELDRA_TESTDATA "/rtf-corpus"))
                                  .entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name);
    for (const QString &n : names)
        QTest::newRow(qPrintable(n)) << n;
}

void TestRtfCorpus::document()
{
    QFETCH(QString, name);
    const QString path = m_dir.filePath(name);
    veldra::richtext::RichTextBox box;
    QElapsedTimer timer;
    timer.start();
    QVERIFY(box.loadFile(path).ok());
    const qint64 ms = timer.elapsed();
    QVERIFY2(ms < kTimeBoundMs, qPrintable(QStringLiteral("%1 ms").arg(ms)));
    ++m_loaded;
    QString ours = box.text().replace(QLatin1String("\r\n"), QLatin1String("\n"));

    QString expected;
    bool have = true;
    bool prefix = false;
    bool ignoreWhiteSpace = false;
    if (const Special *s = SpecialFor(name); s && s->kind == Special::ExactText) {
        expected = QString::fromUtf8(s->text);
    } else if (QFile::exists(path + QLatin1String(".expected.txt"))) {
        expected = ReadUtf8(path + QLatin1String(".expected.txt"));
        if (name.startsWith(QLatin1String("joshy-striprtf"))) {
            expected = corpus::FromStripRtf(expected);
            ours.replace(QLatin1Char('|'), QLatin1Char(' ')); // the same for a "|" of the document
        }
        prefix = s != nullptr && s->kind == Special::Prefix;
    } else if (QFile::exists(path + QLatin1String(".expected.html"))) {
        const QString html = ReadUtf8(path + QLatin1String(".expected.html"));
        expected = corpus::FromHtml(html);
        // A built list draws its markers; ours are the document's \pntext.
        if (html.contains(QLatin1String("<li")))
            ours = corpus::WithoutListMarkers(ours);
        // rtf.js writes its HTML pretty-printed, with line breaks inside spans.
        ignoreWhiteSpace = name.startsWith(QLatin1String("tbluemel-rtf.js"));
    } else if (QFile::exists(path + QLatin1String(".expected.native"))) {
        expected = corpus::FromPandocNative(ReadUtf8(path + QLatin1String(".expected.native")));
    } else if (QFile::exists(path + QLatin1String(".expected-substrings.txt"))) {
        ++m_checked;
        const QStringList lines = ReadUtf8(path + QLatin1String(".expected-substrings.txt")).split(QLatin1Char('\n'));
        for (const QString &line : lines) {
            if (line.isEmpty())
                continue;
            const QString needle = line.mid(1);
            const bool want = line.at(0) == QLatin1Char('+');
            QVERIFY2(ours.contains(needle) == want, qPrintable(line));
        }
        ++m_matched;
        return;
    } else {
        have = false;
    }
    if (!have)
        return; // loading without crash or hang is the check
    ++m_checked;
    QString a = corpus::Collapse(ours);
    QString b = corpus::Collapse(expected);
    if (ignoreWhiteSpace) {
        a = WithoutWhiteSpace(a);
        b = WithoutWhiteSpace(b);
    }
    if (prefix)
        b.truncate(a.size());
    QVERIFY2(!a.isEmpty() || b.isEmpty(), "no text");
    QVERIFY2(a == b, qPrintable(FirstDifference(a, b)));
    ++m_matched;
}

void TestRtfCorpus::cleanupTestCase()
{
    qInfo("corpus: %d documents loaded; %d have an expected output; %d of them match", m_loaded, m_checked, m_matched);
}

QTEST_MAIN(TestRtfCorpus)
#include "test_rtfcorpus.moc"
