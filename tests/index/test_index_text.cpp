// The byte-level pieces of the index search against the text-level rules they
// stand in for: case folding, record bounds and field splitting (the one field
// scanner every reader uses, held against a plain character-by-character reader).
#include "index/AnsiFold.h"
#include "support/ReferenceFields.h"
#include "text/CodePage.h"
#include "text/FieldLocator.h"
#include "text/FieldScanner.h"
#include "text/IndexRecord.h"
#include "text/TextFile.h"
#include "text/Trim.h"

#include <QTest>

#include <random>

class TestIndexText : public QObject
{
    Q_OBJECT
private slots:
    void everyByteDecodesToOneCharacter();
    void foldAgreesWithQString();
    void records_data();
    void records();
    void trimRemovesOnlySpaces();
    void fields_data();
    void fields();
    void randomFieldsMatchThePlainReader();
    void locatorAgreesWithFieldByField();
};

using namespace veldra::index;
using namespace veldra::text;

namespace
{

QString Decoded(int byte)
{
    const char b = char(byte);
    return DecodeAnsi(QByteArrayView(&b, 1));
}

// Splits `bytes` with the program's reader and with the plain one and says
// where they part.
QString CompareFields(const QByteArray &bytes)
{
    testsupport::ReferenceFieldReader reader(DecodeAnsi(bytes));
    TextFileReader program(bytes);
    qsizetype pos = 0;
    int n = 0;
    while (!reader.atEnd() || pos < bytes.size()) {
        if (reader.atEnd() || pos >= bytes.size())
            return QStringLiteral("field %1: one reader ended early").arg(n);
        const QString expected = reader.readField();
        const FieldSpan f = NextField(bytes.constData(), bytes.size(), pos);
        const QString got = DecodeAnsi(bytes.mid(f.begin, f.end - f.begin));
        const QString read = ReadTextField(program);
        if (got != expected || read != expected || f.next != reader.position() || program.position() != f.next)
            return QStringLiteral("field %1: got %2 next %3, expected %4 next %5")
                .arg(n)
                .arg(got, QString::number(f.next), expected, QString::number(reader.position()));
        pos = f.next;
        ++n;
    }
    return QString();
}

} // namespace

void TestIndexText::everyByteDecodesToOneCharacter()
{
    // The byte scan counts positions in bytes and the search counts them in
    // characters; they agree only while this holds.
    for (int b = 0; b < 256; ++b)
        QCOMPARE(Decoded(b).size(), 1);
    QByteArray all(256, Qt::Uninitialized);
    for (int b = 0; b < 256; ++b)
        all[b] = char(b);
    QCOMPARE(AnsiFold::instance().decode(all), DecodeAnsi(all));
}

void TestIndexText::foldAgreesWithQString()
{
    const AnsiFold &fold = AnsiFold::instance();
    // Every character of the code page, and characters outside it that fold onto
    // one of its letters (micro sign, long s, Kelvin sign) or onto nothing.
    QStringList needles;
    for (int b = 0; b < 256; ++b)
        needles << Decoded(b);
    needles << QStringLiteral("\u039C") << QStringLiteral("\u03BC") << QStringLiteral("\u017F")
            << QStringLiteral("\u212A") << QStringLiteral("\u1E9E") << QStringLiteral("\u0130")
            << QStringLiteral("\u0131") << QStringLiteral("\u03C2") << QStringLiteral("\uFB00")
            << QStringLiteral("\u2126") << QStringLiteral("\u00C5") << QStringLiteral("\u212B")
            << QString::fromUtf8("\xF0\x9F\x98\x80") << QString(QChar(0xD800));
    for (const QString &needle : needles) {
        QByteArray classes;
        const bool possible = fold.classesOf(needle, &classes);
        for (int b = 0; b < 256; ++b) {
            const bool expected = Decoded(b).indexOf(needle, 0, Qt::CaseInsensitive) == 0;
            bool got = false;
            if (possible && classes.size() == 1)
                got = fold.classOf(uchar(b)) == uchar(classes.at(0));
            if (got != expected)
                QFAIL(qPrintable(QStringLiteral("byte %1 against U+%2").arg(b).arg(needle.at(0).unicode(), 4, 16)));
        }
    }
}

void TestIndexText::records_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("isRecord");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("subject");
    QTest::newRow("plain") << "tips.faq=Proxy set-up]" << true << "tips.faq"
                           << "Proxy set-up";
    QTest::newRow("first equals") << "a=b=c]" << true << "a"
                                  << "b=c";
    QTest::newRow("last bracket") << "a=b]c]" << true << "a"
                                  << "b]c";
    QTest::newRow("after bracket ignored") << "a.faq=Proxy] old" << true << "a.faq"
                                           << "Proxy";
    QTest::newRow("empty subject") << "a=]" << true << "a"
                                   << "";
    QTest::newRow("spaces kept") << " a = b ]" << true << " a "
                                 << " b ";
    QTest::newRow("empty name") << "=x]" << true << ""
                                << "x";
    QTest::newRow("no bracket") << "a.faq=Proxy" << false << ""
                                << "";
    QTest::newRow("no equals") << "Proxy]" << false << ""
                               << "";
    QTest::newRow("bracket first") << "x]y=z" << false << ""
                                   << "";
    QTest::newRow("empty") << "" << false << ""
                           << "";
}

void TestIndexText::records()
{
    QFETCH(QString, field);
    QFETCH(bool, isRecord);
    const auto record = LocateIndexRecord(field.utf16(), field.size());
    QCOMPARE(record.has_value(), isRecord);
    if (record) {
        QTEST(field.left(record->equals), "fileName");
        QTEST(field.mid(record->equals + 1, record->bracket - record->equals - 1), "subject");
    }
    // The scan looks at the bytes, with the same result.
    const QByteArray bytes = EncodeAnsi(field);
    const auto inBytes = LocateIndexRecord(bytes.constData(), bytes.size());
    QCOMPARE(inBytes.has_value(), isRecord);
    if (record)
        QCOMPARE(inBytes->bracket, record->bracket);
}

void TestIndexText::trimRemovesOnlySpaces()
{
    QCOMPARE(TrimSpaces(QStringLiteral("  proxy  ")), QStringLiteral("proxy"));
    QCOMPARE(TrimSpaces(QStringLiteral("   ")), QString());
    QCOMPARE(TrimSpaces(QStringLiteral("\tproxy \t")), QStringLiteral("\tproxy \t"));
}

void TestIndexText::fields_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("crlf") << QByteArray("a=b]\r\nc=d]\r\n");
    QTest::newRow("lone cr and lf") << QByteArray("a\rb\nc\r\n\r\nd");
    QTest::newRow("commas") << QByteArray("a,,b,\r\n,");
    QTest::newRow("quoted commas") << QByteArray("\"c.faq=Intro, Proxy]\"\r\n");
    QTest::newRow("quote then blanks then comma") << QByteArray("\"a\" \t ,b");
    QTest::newRow("quote then text") << QByteArray("\"a\"b,c");
    QTest::newRow("back to back quotes") << QByteArray("\"a\"\"b\"\r\n");
    QTest::newRow("quote mid field") << QByteArray("a\"b,c\"d\r\n");
    QTest::newRow("blank lines") << QByteArray("  \r\n\t\r\n \t x \r\n");
    QTest::newRow("quoted line break") << QByteArray("\"a\r\nb\"\r\nc");
    QTest::newRow("unterminated quote") << QByteArray("x\r\n\"a,b\r\nc");
    QTest::newRow("quote at end") << QByteArray("\"a\"   ");
    QTest::newRow("only blanks") << QByteArray("   ");
    QTest::newRow("long unquoted") << QByteArray(100, 'x') + ",y" + QByteArray(40, 'z');
    QTest::newRow("high bytes") << QByteArray("\xC9\x8C\x8A,\x9F\xFF\x81\r\n");
}

void TestIndexText::fields()
{
    QFETCH(QByteArray, bytes);
    const QString problem = CompareFields(bytes);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void TestIndexText::randomFieldsMatchThePlainReader()
{
    const char alphabet[] = {',', '"', '\r', '\n', ' ', '\t', 'a', 'B', '=', ']', '\xC9', '\xE9', 'x', 'x', 'x', 'x'};
    std::mt19937 rng(7);
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes;
        const int length = int(rng() % 80);
        for (int i = 0; i < length; ++i)
            bytes += alphabet[rng() % sizeof alphabet];
        const QString problem = CompareFields(bytes);
        QVERIFY2(problem.isEmpty(), qPrintable(QString::fromLatin1(bytes.toHex(' ')) + QStringLiteral(": ") + problem));
    }
}

void TestIndexText::locatorAgreesWithFieldByField()
{
    // Asked about positions in increasing order, skipping many, the locator
    // names the same field as reading every field in turn.
    const char alphabet[] = {',', '"', '\r', '\n', ' ', '\t', 'a', '=', ']', 'x', 'x', 'x', 'x', 'x', 'x'};
    std::mt19937 rng(11);
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes;
        const int length = 1 + int(rng() % 120);
        for (int i = 0; i < length; ++i)
            bytes += alphabet[rng() % sizeof alphabet];
        std::vector<qsizetype> startOf(size_t(bytes.size()));
        std::vector<FieldSpan> spanOf(size_t(bytes.size()));
        for (qsizetype pos = 0; pos < bytes.size();) {
            const FieldSpan f = NextField(bytes.constData(), bytes.size(), pos);
            for (qsizetype i = pos; i < f.next; ++i) {
                startOf[size_t(i)] = pos;
                spanOf[size_t(i)] = f;
            }
            pos = f.next;
        }
        FieldLocator locator(bytes.constData(), bytes.size(), 0);
        for (qsizetype pos = qsizetype(rng() % 4); pos < bytes.size(); pos += qsizetype(rng() % 9)) {
            const FieldSpan got = locator.fieldAt(pos);
            const FieldSpan &want = spanOf[size_t(pos)];
            if (got.begin != want.begin || got.end != want.end || got.next != want.next ||
                locator.readStart() != startOf[size_t(pos)])
                QFAIL(qPrintable(QString::fromLatin1(bytes.toHex(' ')) + QStringLiteral(" at %1").arg(pos)));
        }
    }
}

QTEST_GUILESS_MAIN(TestIndexText)
#include "test_index_text.moc"
