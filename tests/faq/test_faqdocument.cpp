#include "faq/FaqHeader.h"
#include "richtext/RichTextBox.h"
#include "support/Files.h"
#include "support/LoadFaqBody.h"
#include "support/ReadFaqHeader.h"
#include "text/CodePage.h"
#include "text/TextFile.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace veldra;
using namespace veldra::faq;
using testsupport::LoadFaqBody;
using testsupport::ReadFaqHeader;
using testsupport::ReadFile;
using testsupport::WriteFile;

namespace
{
// The work file as the events that run during a load see it. It is written
// while the window's events run, and only put in place whole.
struct WorkFileWatch {
    explicit WorkFileWatch(const QString &path)
    {
        QObject::connect(&timer, &QTimer::timeout, [this, path] {
            if (QFile::exists(path))
                seen = ReadFile(path);
        });
        timer.start(0);
    }
    QTimer timer;
    QByteArray seen;
};
} // namespace

// The FAQ document format: header keys, the header record, and the body as the
// reader shows it.
class TestFaqDocument : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void detectHeaderKey_data();
    void detectHeaderKey();
    void headerValues_data();
    void headerValues();
    void emptyPathIsNoFile();
    void pathTrimmedInCallersVariable();
    void unreadableFileReachesCaller();
    void workedExample();
    void body_data();
    void body();
    void bodyOfUnreadableDocumentLeavesBoxEmpty();
    void bodyWhenWorkFileCannotBeMade();
    void staleWorkFileIsReplaced();
    void workFileLinkIsNotFollowed_data();
    void workFileLinkIsNotFollowed();
    void workFileHoldsTheDocumentsBytes();

private:
    QString document(const QByteArray &bytes);
    QTemporaryDir *dir = nullptr;
};

void TestFaqDocument::init()
{
    dir = new QTemporaryDir;
}

void TestFaqDocument::cleanup()
{
    delete dir;
}

QString TestFaqDocument::document(const QByteArray &bytes)
{
    const QString path = dir->filePath(QStringLiteral("faq17.txt"));
    WriteFile(path, bytes);
    return path;
}

void TestFaqDocument::detectHeaderKey_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("key");
    const auto row = [](const char *field, const char *key) {
        QTest::newRow(field) << QString::fromUtf8(field) << QString::fromUtf8(key);
    };
    row("Subject=Printing", "subject");
    row("SUBJECT=Printing", "subject");
    row("Author=A. Writer", "author");
    row("AuthorEMAIL=someone", "authoremail");
    row("authoremail=", "authoremail");
    row("Version=", "version");
    row("AuthorWEBSITE=none", "authorwebsite");
    row("Subject=a Author=b", "subject");
    row("Author=a Subject=b", "author");
    row("Re: Subject=Hi", "");
    row("Subject Printing", "");
    row("Subject", "");
    row(" Subject=x", ""); // callers trim first
    row("AuthorX=y", "");
    row("", "");
}

void TestFaqDocument::detectHeaderKey()
{
    QFETCH(QString, field);
    QFETCH(QString, key);
    QCOMPARE(DetectHeaderKey(field), key);
}

void TestFaqDocument::headerValues_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("values"); // Subject, Author, AuthorEmail, Version, AuthorWebsite
    QTest::newRow("spaces around value") << QByteArray("subject=  Printing  \r\n")
                                         << QStringList{QStringLiteral("Printing"), {}, {}, {}, {}};
    QTest::newRow("tabs around field") << QByteArray("\tSubject=\tPrinting\t\r\n")
                                       << QStringList{QStringLiteral("Printing"), {}, {}, {}, {}};
    QTest::newRow("comma splits unquoted line") << QByteArray("Subject=Printing, scanning and faxing\r\n")
                                                << QStringList{QStringLiteral("Printing"), {}, {}, {}, {}};
    QTest::newRow("quoted line keeps commas")
        << QByteArray("\"Subject=Printing, scanning and faxing\"\r\n")
        << QStringList{QStringLiteral("Printing, scanning and faxing"), {}, {}, {}, {}};
    QTest::newRow("e-mail is not author")
        << QByteArray("AuthorEMAIL=someone\r\n") << QStringList{{}, {}, QStringLiteral("someone"), {}, {}};
    QTest::newRow("no key changes nothing")
        << QByteArray("Subject=A\r\nRe: Subject=Hi\r\n") << QStringList{QStringLiteral("A"), {}, {}, {}, {}};
    QTest::newRow("last field wins, body included")
        << QByteArray("Subject=A\r\nVersion=1\r\n[body]\r\nSubject=B\r\nVersion=2\r\n[/body]\r\n")
        << QStringList{QStringLiteral("B"), {}, {}, QStringLiteral("2"), {}};
    QTest::newRow("empty value replaces")
        << QByteArray("Version=1.0\r\nVersion=\r\n") << QStringList{{}, {}, {}, {}, {}};
    QTest::newRow("code page text") << QByteArray("Author=Ren\xe9 \x80\r\n")
                                    << QStringList{{}, QString::fromUtf8("Ren\u00e9 \u20ac"), {}, {}, {}};
}

void TestFaqDocument::headerValues()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, values);
    QString path = document(bytes);
    const Result<FaqHeader> read = ReadFaqHeader(path);
    QVERIFY(read.ok());
    const FaqHeader &h = read.value();
    QCOMPARE((QStringList{h.Subject, h.Author, h.AuthorEmail, h.Version, h.AuthorWebsite}), values);
    QCOMPARE(h.FileName, path);
    QVERIFY(h.ErrorText.isEmpty());
}

void TestFaqDocument::emptyPathIsNoFile()
{
    QString path = QStringLiteral("    ");
    const Result<FaqHeader> read = ReadFaqHeader(path);
    QVERIFY(read.ok());
    const FaqHeader &h = read.value();
    QCOMPARE(h.ErrorText, QStringLiteral("Error, no file!"));
    QVERIFY(path.isEmpty());
    QVERIFY(h.Subject.isEmpty() && h.Author.isEmpty() && h.AuthorEmail.isEmpty() && h.Version.isEmpty() &&
            h.AuthorWebsite.isEmpty() && h.FileName.isEmpty());
}

void TestFaqDocument::pathTrimmedInCallersVariable()
{
    const QString real = document("Subject=Trimmed\r\n");
    QString path = QStringLiteral("  ") + real + QStringLiteral("  ");
    const FaqHeader h = ReadFaqHeader(path).value();
    QCOMPARE(path, real);
    QCOMPARE(h.FileName, real);
    QCOMPARE(h.Subject, QStringLiteral("Trimmed"));
}

void TestFaqDocument::unreadableFileReachesCaller()
{
    QString path = dir->filePath(QStringLiteral("gone.txt"));
    const Result<FaqHeader> read = ReadFaqHeader(path);
    QVERIFY(!read.ok());
    QVERIFY2(read.error().contains(QLatin1String("No such file")), qPrintable(read.error()));
}

static const QByteArray kWorkedExample = "Subject=Printing from the editor\r\n"
                                         "Author=A. Writer\r\n"
                                         "Version=1.2\r\n"
                                         "AuthorWEBSITE=none\r\n"
                                         "[Body]\r\n"
                                         "To print, open the File menu.\r\n"
                                         "\"Choose Print, then OK.\"\r\n"
                                         "Hello, world\r\n"
                                         "[/body]\r\n"
                                         "Version=1.3\r\n";

void TestFaqDocument::workedExample()
{
    QString path = document(kWorkedExample);
    const FaqHeader h = ReadFaqHeader(path).value();
    QCOMPARE(h.Subject, QStringLiteral("Printing from the editor"));
    QCOMPARE(h.Author, QStringLiteral("A. Writer"));
    QVERIFY(h.AuthorEmail.isEmpty());
    QCOMPARE(h.AuthorWebsite, QStringLiteral("none"));
    QCOMPARE(h.Version, QStringLiteral("1.3"));
    QCOMPARE(h.FileName, path);
    QVERIFY(h.ErrorText.isEmpty());

    // The work file exists only while the box loads it; events that are pending
    // when the load is done run while it is still there.
    const WorkFileWatch workFile(path + QStringLiteral(".tmp"));
    richtext::RichTextBox box;
    LoadFaqBody(path, box);
    QCOMPARE(workFile.seen,
             QByteArray("To print\r\nopen the File menu.\r\nChoose Print, then OK.\r\nHello\r\nworld\r\n"));
    QVERIFY(!QFile::exists(path + QStringLiteral(".tmp")));
    QCOMPARE(box.text(), QStringLiteral("To print\r\nopen the File menu.\r\nChoose Print, then OK.\r\nHello\r\nworld"));
}

void TestFaqDocument::body_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("no opener") << QByteArray("Subject=x\r\nline\r\n") << QString();
    QTest::newRow("markers ignore case and surroundings")
        << QByteArray("[BODY]\r\na\r\ntext [/Body] more\r\nb\r\ntext [body] more\r\nc\r\n") << QStringLiteral("a\r\nc");
    QTest::newRow("closer in the opener's field unseen")
        << QByteArray("[body]text[/body]\r\nA\r\n") << QStringLiteral("A");
    QTest::newRow("comma splits, empty and indented lines")
        << QByteArray("[body]\r\nHello, world\r\n\r\n   indented\r\n[/body]\r\n")
        << QStringLiteral("Hello\r\nworld\r\n\r\nindented");
    QTest::newRow("sections concatenated")
        << QByteArray("[body]\r\none\r\n[/body]\r\nout\r\n[body]\r\ntwo\r\n[/body]\r\n")
        << QStringLiteral("one\r\ntwo");
    QTest::newRow("unclosed body runs to the end")
        << QByteArray("[body]\r\none\r\ntwo") << QStringLiteral("one\r\ntwo");
    QTest::newRow("code page text") << QByteArray("[body]\r\n\x93quoted\x94 \x80\r\n[/body]\r\n")
                                    << QString::fromUtf8("\u201cquoted\u201d \u20ac");
    QTest::newRow("rich text body shown formatted")
        << QByteArray("[body]\r\n{\\rtf1 Hello {\\b bold} text}\r\n[/body]\r\n") << QStringLiteral("Hello bold text");
}

void TestFaqDocument::body()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QString path = document(bytes);
    richtext::RichTextBox box;
    box.setText(QStringLiteral("previous document"));
    LoadFaqBody(path, box);
    QCOMPARE(box.text(), shown);
    QVERIFY(!QFile::exists(path + QStringLiteral(".tmp")));
}

void TestFaqDocument::bodyOfUnreadableDocumentLeavesBoxEmpty()
{
    QString path = dir->filePath(QStringLiteral("gone.txt"));
    richtext::RichTextBox box;
    box.setText(QStringLiteral("previous document"));
    LoadFaqBody(path, box);
    QVERIFY(box.text().isEmpty());
    QVERIFY(!QFile::exists(path + QStringLiteral(".tmp")));
}

void TestFaqDocument::bodyWhenWorkFileCannotBeMade()
{
    QString path = document("[body]\r\nline\r\n[/body]\r\n");
    QVERIFY(QDir().mkdir(path + QStringLiteral(".tmp"))); // a folder in the work file's place
    richtext::RichTextBox box;
    box.setText(QStringLiteral("previous document"));
    LoadFaqBody(path, box);
    QVERIFY(box.text().isEmpty());
    QVERIFY(QFileInfo(path + QStringLiteral(".tmp")).isDir());
}

void TestFaqDocument::staleWorkFileIsReplaced()
{
    QString path = document("[body]\r\nfresh\r\n[/body]\r\n");
    QVERIFY(WriteFile(path + QStringLiteral(".tmp"), QByteArray(10000, 'x')));
    richtext::RichTextBox box;
    LoadFaqBody(path, box);
    QCOMPARE(box.text(), QStringLiteral("fresh"));
    QVERIFY(!QFile::exists(path + QStringLiteral(".tmp")));
}

void TestFaqDocument::workFileLinkIsNotFollowed_data()
{
    QTest::addColumn<bool>("targetExists");
    QTest::newRow("link to a file") << true;
    QTest::newRow("link to nothing yet") << false;
}

void TestFaqDocument::workFileLinkIsNotFollowed()
{
    // Another program plants a symbolic link where the work file goes, pointing
    // out of the program folder. The body is still shown, and what the link
    // points to is neither written nor made.
    QFETCH(bool, targetExists);
    QTemporaryDir outside;
    const QString target = outside.filePath(QStringLiteral("precious.txt"));
    if (targetExists)
        QVERIFY(WriteFile(target, "keep me\r\n"));
    QString path = document("[body]\r\nshown anyway\r\n[/body]\r\n");
    QVERIFY(QFile::link(target, path + QStringLiteral(".tmp")));
    richtext::RichTextBox box;
    LoadFaqBody(path, box);
    QCOMPARE(box.text(), QStringLiteral("shown anyway"));
    QCOMPARE(QFileInfo::exists(target), targetExists);
    if (targetExists)
        QCOMPARE(ReadFile(target), QByteArray("keep me\r\n"));
    QVERIFY(!QFileInfo(path + QStringLiteral(".tmp")).isSymLink());
    QVERIFY(!QFileInfo::exists(path + QStringLiteral(".tmp")));
}

void TestFaqDocument::workFileHoldsTheDocumentsBytes()
{
    // Each body field goes to the work file as the line writer writes its text:
    // every byte of the code page comes back as it was.
    QByteArray line;
    for (int b = 0x80; b <= 0xFF; ++b)
        line += char(b);
    line += " plain";
    QString path = document("[body]\r\n" + line + "\r\n[/body]\r\n");
    QBuffer written;
    written.open(QIODevice::WriteOnly);
    QVERIFY(testsupport::WriteTextLine(written, text::DecodeAnsi(line)));
    const WorkFileWatch workFile(path + QStringLiteral(".tmp"));
    richtext::RichTextBox box;
    LoadFaqBody(path, box);
    QCOMPARE(workFile.seen, written.data());
    QCOMPARE(workFile.seen, line + "\r\n");
    QCOMPARE(box.text(), text::DecodeAnsi(line));
}

QTEST_MAIN(TestFaqDocument)
#include "test_faqdocument.moc"
