#include "desktop/Pointer.h"
#include "desktop/ShellOpen.h"
#include "links/LinkClass.h"
#include "links/WordScan.h"

#include <QCursor>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>

using namespace veldra;
using namespace veldra::links;

// The word scan, the link classes and the shell adapter's
// refusal of anything that is not a web or mail target.
class TestLinkWords : public QObject
{
    Q_OBJECT
private slots:
    void scanWord_data();
    void scanWord();
    void classify_data();
    void classify();
    void sentencePunctuation_data();
    void sentencePunctuation();
    void shellOpenUrl_data();
    void shellOpenUrl();
    void handCursorFile();
    void unreadableCursorFiles();
};

void TestLinkWords::scanWord_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("word");

    const QString twoLines = QStringLiteral("see www.a.org, ok\r\nnext line");
    QTest::newRow("first char of text") << QStringLiteral("www.a.org rest") << 0 << QStringLiteral("www.a.org");
    QTest::newRow("last char of link") << QStringLiteral("www.a.org rest") << 8 << QStringLiteral("www.a.org");
    QTest::newRow("punctuation belongs to word") << twoLines << 6 << QStringLiteral("www.a.org,");
    QTest::newRow("space after link") << twoLines << 14 << QString();
    QTest::newRow("on CR") << twoLines << 17 << QString();
    QTest::newRow("on LF gives next line's first word") << twoLines << 18 << QStringLiteral("next");
    QTest::newRow("first char of a line") << twoLines << 19 << QStringLiteral("next");
    QTest::newRow("last char before CR") << twoLines << 16 << QStringLiteral("ok");
    QTest::newRow("last word without delimiter") << twoLines << int(twoLines.size()) - 1 << QStringLiteral("line");
    QTest::newRow("on LF before a space") << QStringLiteral("one\r\n two") << 4 << QString();
    QTest::newRow("on LF before an empty line") << QStringLiteral("x\r\n\r\ny") << 3 << QString();
    QTest::newRow("tab belongs to word") << QStringLiteral("a\tb c") << 0 << QStringLiteral("a\tb");
    QTest::newRow("bracketed link") << QStringLiteral("(www.x.org)") << 5 << QStringLiteral("(www.x.org)");
    QTest::newRow("lone LF does not end a word forward") << QStringLiteral("a\nb c") << 0 << QStringLiteral("a\nb");
    QTest::newRow("before the text") << QStringLiteral("abc") << -1 << QString();
    QTest::newRow("past the end") << QStringLiteral("abc") << 3 << QString();
    QTest::newRow("empty text") << QString() << 0 << QString();
}

void TestLinkWords::scanWord()
{
    QFETCH(QString, text);
    QFETCH(int, index);
    QFETCH(QString, word);
    QCOMPARE(ScanWord(text, index), word);
}

void TestLinkWords::classify_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QString>("opens");

    const int web = int(LinkClass::WebLink), mailto = int(LinkClass::PrefixedMailLink),
              bare = int(LinkClass::BareMailAddress), none = int(LinkClass::NotALink);
    const QString nav = QStringLiteral("Click here to navigate at ");
    const QString mail = QStringLiteral("Click here to send mail to ");
    auto row = [](const char *name, const char *word, int kind, const QString &tip, const char *opens) {
        QTest::newRow(name) << QString::fromUtf8(word) << kind << tip << QString::fromUtf8(opens);
    };
    row("http", "http://x.org/a,", web, nav + QStringLiteral("http://x.org/a"), "http://x.org/a");
    row("www", "www.x.org", web, nav + QStringLiteral("www.x.org"), "www.x.org");
    row("web link with @", "http://joe@x.org/", web, nav + QStringLiteral("http://joe@x.org/"), "http://joe@x.org/");
    row("www with @", "www.x.org/@joe", web, nav + QStringLiteral("www.x.org/@joe"), "www.x.org/@joe");
    row("mailto", "mailto:joe@x.org", mailto, mail + QStringLiteral("joe@x.org"), "mailto:joe@x.org");
    row("bare mailto", "mailto:", mailto, mail, "mailto:");
    row("bare address", "joe@x.org", bare, mail + QStringLiteral("joe@x.org"), "mailto:joe@x.org");
    row("https is no prefix", "https://x.org", none, QString(), "");
    row("https with @ is mail", "https://joe@x.org", bare, mail + QStringLiteral("https://joe@x.org"),
        "mailto:https://joe@x.org");
    row("capital HTTP", "HTTP://X.ORG", none, QString(), "");
    row("capital WWW", "WWW.X.ORG", none, QString(), "");
    row("capital Mailto with @", "Mailto:joe@x.org", bare, mail + QStringLiteral("Mailto:joe@x.org"),
        "mailto:Mailto:joe@x.org");
    row("bracketed", "(www.x.org)", none, QString(), "");
    row("plain word", "hello", none, QString(), "");
    row("empty", "", none, QString(), "");
}

void TestLinkWords::classify()
{
    QFETCH(QString, word);
    QFETCH(int, kind);
    QFETCH(QString, tip);
    QFETCH(QString, opens);
    QCOMPARE(int(ClassifyLink(word)), kind);
    QCOMPARE(LinkToolTip(word), tip);
    QCOMPARE(LinkActivationTarget(word), opens);
}

// A link at the end of a sentence or in brackets: the word keeps its marks
// (it is coloured whole), its address does not.
void TestLinkWords::sentencePunctuation_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("opens");
    QTest::addColumn<QString>("tip");

    const QString nav = QStringLiteral("Click here to navigate at ");
    const QString mail = QStringLiteral("Click here to send mail to ");
    auto row = [](const char *word, const char *opens, const QString &tip) {
        QTest::newRow(word) << QString::fromUtf8(word) << QString::fromUtf8(opens) << tip;
    };
    row("www.example.org/help/.", "www.example.org/help/", nav + QStringLiteral("www.example.org/help/"));
    row("docs@example.org.", "mailto:docs@example.org", mail + QStringLiteral("docs@example.org"));
    row("mailto:docs@example.org;", "mailto:docs@example.org", mail + QStringLiteral("docs@example.org"));
    row("http://x.org/?!:", "http://x.org/", nav + QStringLiteral("http://x.org/"));
    row("www.x.org).", "www.x.org", nav + QStringLiteral("www.x.org"));
    row("www.x.org/wiki/A_(b).", "www.x.org/wiki/A_(b)", nav + QStringLiteral("www.x.org/wiki/A_(b)"));
    row("www.x.org/a[1]]", "www.x.org/a[1]", nav + QStringLiteral("www.x.org/a[1]"));
    row("www.x.org/\"q\"", "www.x.org/\"q\"", nav + QStringLiteral("www.x.org/\"q\""));
    row("www.x.org\",", "www.x.org", nav + QStringLiteral("www.x.org"));
    row("www.x.org\u201d", "www.x.org", nav + QStringLiteral("www.x.org"));
    row("www.x.org/?q=a.b", "www.x.org/?q=a.b", nav + QStringLiteral("www.x.org/?q=a.b"));
    // The prefix is never cut into.
    row("www.", "www.", nav + QStringLiteral("www."));
    row("http:...", "http:", nav + QStringLiteral("http:"));
    row("mailto:.", "mailto:", mail);
}

void TestLinkWords::sentencePunctuation()
{
    QFETCH(QString, word);
    QFETCH(QString, opens);
    QFETCH(QString, tip);
    QCOMPARE(LinkActivationTarget(word), opens);
    QCOMPARE(LinkToolTip(word), tip);
}

void TestLinkWords::shellOpenUrl_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("url"); // empty: refused

    auto row = [](const char *target, const char *url) {
        QTest::newRow(target) << QString::fromUtf8(target) << QString::fromUtf8(url);
    };
    row("http://x.org/a,", "http://x.org/a,");
    row("https://x.org", "https://x.org");
    row("HTTP://X.ORG/", "http://x.org/");
    row("www.x.org", "http://www.x.org");
    row("www.x.org/a,", "http://www.x.org/a,");
    row("www.x.org,", ""); // the comma makes the host name invalid
    row("http://joe@x.org/", "http://joe@x.org/");
    row("mailto:joe@x.org", "mailto:joe@x.org");
    row("mailto:joe@x.org?subject=Hi&attach=/etc/passwd", "mailto:joe@x.org?subject=Hi");
    row("mailto:joe@x.org?Attachment=%2Fetc%2Fpasswd", "mailto:joe@x.org");
    row("mailto:a@b#?attach=/etc/passwd", "mailto:a@b");
    row("mailto:joe@x.org?subject=Hi#?attach=/etc/passwd&x", "mailto:joe@x.org?subject=Hi");
    row("mailto:joe@x.org#", "mailto:joe@x.org");
    row("http://x.org/faq#part2", "http://x.org/faq#part2"); // a web page keeps its place
    row(" x.org ", "http://x.org");
    row("x.org/faq/", "http://x.org/faq/");
    row("x.org:8080", "http://x.org:8080");
    row("None", "http://none");
    row("run.desktop", "http://run.desktop");
    row("", "");
    row("   ", "");
    row("file:///etc/passwd", "");
    row("FILE:/etc/passwd", "");
    row("/usr/bin/xterm", "");
    row("./evil.sh", "");
    row("../evil", "");
    row("~/evil", "");
    row("C:\\Windows\\notepad.exe", "");
    row("\\\\server\\share", "");
    row("javascript:alert(1)", "");
    row("ftp://x.org/", "");
    row("smb://x.org/share", "");
    row("http:foo", "");
    row("http:/etc/passwd", "");
    row("http:\\\\server\\share", "");
    row("joe@x.org", "");
}

void TestLinkWords::shellOpenUrl()
{
    QFETCH(QString, target);
    QFETCH(QString, url);
    const QUrl got = desktop::ShellOpenUrl(target);
    QCOMPARE(got.toString(QUrl::FullyEncoded), url);
    if (!url.isEmpty())
        QVERIFY(!got.isLocalFile());
}

void TestLinkWords::handCursorFile()
{
    QCursor hand;
    QVERIFY(desktop::LoadCursorFile(QStringLiteral(VELDRA_SOURCE_DIR "/resources/hand.cur"), &hand));
    QCOMPARE(hand.shape(), Qt::BitmapCursor);
    QCOMPARE(hand.pixmap().size(), QSize(32, 32));
    QCOMPARE(hand.hotSpot(), QPoint(6, 1));
    // The hot spot is the finger tip: opaque, with transparent corners around.
    const QImage image = hand.pixmap().toImage();
    QCOMPARE(qAlpha(image.pixel(hand.hotSpot())), 255);
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(31, 31)), 0);
}

void TestLinkWords::unreadableCursorFiles()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    auto write = [&dir](const char *name, const QByteArray &data) {
        QFile f(dir.filePath(QString::fromUtf8(name)));
        if (f.open(QIODevice::WriteOnly))
            f.write(data);
        return f.fileName();
    };
    // A header that promises one picture, with an entry pointing past the end.
    const QString truncated = write("truncated.cur", QByteArray::fromHex("000002000100") + QByteArray(200, 'x'));
    // A well-formed entry whose picture is rubbish.
    const QString rubbish = write("rubbish.cur", QByteArray::fromHex("000002000100"
                                                                     "20200000060001002800000016000000") +
                                                     QByteArray(40, 'x'));
    const QString png = dir.filePath(QStringLiteral("picture.cur"));
    QVERIFY(QPixmap(8, 8).save(png, "PNG"));

    const QCursor before(Qt::PointingHandCursor);
    for (const QString &path : {dir.filePath(QStringLiteral("missing.cur")), truncated, rubbish, png}) {
        QCursor c = before;
        QVERIFY2(!desktop::LoadCursorFile(path, &c), qPrintable(path));
        QCOMPARE(c.shape(), Qt::PointingHandCursor);
    }
}

QTEST_MAIN(TestLinkWords)
#include "test_link_words.moc"
