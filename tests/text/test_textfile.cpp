#include "support/Files.h"
#include "text/TextFile.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// The field rules every reader of the program's text files relies on, and the
// Windows-1252 line writer.
class TestTextFile : public QObject
{
    Q_OBJECT
private slots:
    void readFields_data();
    void readFields();
    void openFailsWithDescription();
    void writeTextLine_data();
    void writeTextLine();
    void everyCodePageCharacterRoundTrips();
};

using namespace veldra::text;
using testsupport::ReadFile;
using testsupport::WriteFile;
using testsupport::WriteTextLine;

static QStringList AllFields(const QByteArray &bytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.txt"));
    WriteFile(path, bytes);
    TextFileReader file;
    if (!file.open(path).ok())
        return {QStringLiteral("<open failed>")};
    QStringList fields;
    while (!file.atEnd())
        fields << ReadTextField(file);
    return fields;
}

void TestTextFile::readFields_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("fields");
    const auto L = [](std::initializer_list<const char *> l) {
        QStringList out;
        for (const char *s : l)
            out << QString::fromUtf8(s);
        return out;
    };
    QTest::newRow("comma and CR LF end fields") << QByteArray("a,b,c\r\nd\r\n") << L({"a", "b", "c", "d"});
    QTest::newRow("leading spaces skipped") << QByteArray("   a,  b\r\n") << L({"a", "b"});
    QTest::newRow("leading tabs skipped") << QByteArray("\ta,\t b\r\n") << L({"a", "b"});
    QTest::newRow("trailing spaces kept") << QByteArray("a  ,b  \r\n") << L({"a  ", "b  "});
    QTest::newRow("quoted keeps commas") << QByteArray("\"a, b\",c\r\n") << L({"a, b", "c"});
    QTest::newRow("quoted keeps its spaces") << QByteArray("  \" a \"\r\n") << L({" a "});
    QTest::newRow("line end after quote consumed") << QByteArray("\"a\"\r\nb\r\n") << L({"a", "b"});
    QTest::newRow("quoted fields back to back") << QByteArray("\"a\"\"b\"\r\n") << L({"a", "b"});
    QTest::newRow("text after quote starts a field") << QByteArray("\"a\"x,y\r\n") << L({"a", "x", "y"});
    QTest::newRow("spaces before comma after quote") << QByteArray("\"a\"   ,b\r\n") << L({"a", "b"});
    QTest::newRow("spaces before line end after quote") << QByteArray("\"a\"  \r\nb\r\n") << L({"a", "b"});
    QTest::newRow("quote inside a field is kept") << QByteArray("say \"hi\",x\r\n") << L({"say \"hi\"", "x"});
    QTest::newRow("empty line") << QByteArray("a\r\n\r\nb\r\n") << L({"a", "", "b"});
    QTest::newRow("line of spaces") << QByteArray("a\r\n   \r\nb\r\n") << L({"a", "", "b"});
    QTest::newRow("two commas") << QByteArray("a,,b\r\n") << L({"a", "", "b"});
    QTest::newRow("comma at line end") << QByteArray("a,\r\nb\r\n") << L({"a", "", "b"});
    QTest::newRow("end of file ends a field") << QByteArray("a,b") << L({"a", "b"});
    QTest::newRow("comma at end of file") << QByteArray("a,") << L({"a"});
    QTest::newRow("lone CR ends a line") << QByteArray("a\rb\r") << L({"a", "b"});
    QTest::newRow("lone LF ends a line") << QByteArray("a\nb\n") << L({"a", "b"});
    QTest::newRow("LF CR is two line ends") << QByteArray("a\n\rb") << L({"a", "", "b"});
    QTest::newRow("quoted field spans lines") << QByteArray("\"a,\r\nb\",c\r\n") << L({"a,\r\nb", "c"});
    QTest::newRow("unclosed quote ends at end of file") << QByteArray("x\r\n\"abc, d\r\n") << L({"x", "abc, d\r\n"});
    QTest::newRow("Windows-1252 decoded")
        << QByteArray("caf\xe9,\x80 5,\x93q\x94\r\n") << L({"caf\u00e9", "\u20ac 5", "\u201cq\u201d"});
    QTest::newRow("empty file") << QByteArray() << QStringList();
}

void TestTextFile::readFields()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, fields);
    QCOMPARE(AllFields(bytes), fields);
}

void TestTextFile::openFailsWithDescription()
{
    QTemporaryDir dir;
    TextFileReader file;
    const veldra::Status missing = file.open(dir.filePath(QStringLiteral("missing.txt")));
    QVERIFY(!missing.ok());
    QVERIFY2(missing.error().contains(QLatin1String("No such file")), qPrintable(missing.error()));
    // Only an ordinary file is read: a folder, a pipe nobody writes to (which
    // would hang the read), a device, or a link planted in its place are not.
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    const QString link = dir.filePath(QStringLiteral("link"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QVERIFY(WriteFile(dir.filePath(QStringLiteral("real.txt")), "a,b\r\n"));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("real.txt")), link));
    const QStringList refused = {dir.path(), pipe, QStringLiteral("/dev/zero"), link};
    for (const QString &path : refused) {
        const veldra::Status opened = file.open(path);
        QVERIFY2(!opened.ok() && opened.error().contains(path),
                 qPrintable(path + QLatin1String(": ") + opened.error()));
    }
    QVERIFY(file.open(dir.filePath(QStringLiteral("real.txt"))).ok());
    QCOMPARE(file.readField(), QStringLiteral("a"));
}

void TestTextFile::writeTextLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << QStringLiteral("Hello, world") << QByteArray("Hello, world\r\n");
    QTest::newRow("empty") << QString() << QByteArray("\r\n");
    QTest::newRow("code page letters") << QString::fromUtf8("caf\u00e9 \u20ac \u2019")
                                       << QByteArray("caf\xe9 \x80 \x92\r\n");
    QTest::newRow("unmappable become ?") << QString::fromUtf8("\u0100\u4e2d\U0001F600x") << QByteArray("???x\r\n");
    // An unmappable character must not spoil the characters after it.
    QTest::newRow("mappable after unmappable")
        << QString::fromUtf8("\u0100\u2019\u00e9\u4e2d\u20ac") << QByteArray("?\x92\xe9?\x80\r\n");
    QTest::newRow("lone surrogate") << (QString(QChar(0xD800)) + QLatin1Char('a')) << QByteArray("?a\r\n");
}

void TestTextFile::writeTextLine()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QVERIFY(WriteTextLine(out, text));
    QCOMPARE(out.data(), bytes);
}

void TestTextFile::everyCodePageCharacterRoundTrips()
{
    // Every byte but the delimiters, as one field in quotes and as a plain one.
    QByteArray bytes;
    for (int b = 0x21; b <= 0xFF; ++b)
        if (b != '"' && b != ',')
            bytes.append(char(b));
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("first.txt"));
    QVERIFY(WriteFile(first, bytes));
    TextFileReader in;
    QVERIFY(in.open(first).ok());
    const QString text = ReadTextField(in);
    QCOMPARE(text.size(), bytes.size());

    QFile out(dir.filePath(QStringLiteral("second.txt")));
    QVERIFY(out.open(QIODevice::WriteOnly));
    QVERIFY(WriteTextLine(out, text));
    out.close();
    QCOMPARE(ReadFile(out.fileName()), bytes + "\r\n");
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "test_textfile.moc"
