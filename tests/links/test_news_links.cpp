#include "desktop/ShellOpen.h"
#include "links/NewsLinkHandlers.h"
#include "richtext/RichTextBox.h"
#include "support/ContextMenu.h"

#include <QClipboard>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QToolTip>

using namespace veldra;
using desktop::PointerKind;

namespace
{

// A news document with hyperlinks of every kind a server might send.
const QByteArray kNews = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Read "
                         "{\\field{\\*\\fldinst{HYPERLINK \"http://www.example.org/news.html\"}}"
                         "{\\fldrslt{\\ul the notes}}} or write to "
                         "{\\field{\\*\\fldinst{HYPERLINK \"mailto:news@example.org\"}}"
                         "{\\fldrslt{\\ul the editors}}} or see "
                         "{\\field{\\*\\fldinst{HYPERLINK \"https://example.org/secure\"}}"
                         "{\\fldrslt{\\ul the secure page}}} but not "
                         "{\\field{\\*\\fldinst{HYPERLINK \"file:///etc/passwd\"}}"
                         "{\\fldrslt{\\ul a file}}} nor "
                         "{\\field{\\*\\fldinst{HYPERLINK \"javascript:alert(1)\"}}"
                         "{\\fldrslt{\\ul a script}}}. www.plain.example is no link here.\\par}";

} // namespace

// The news panel's hyperlinks: hand, tooltip and opening through the shell.
class TestNewsLinks : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void hover_data();
    void hover();
    void clickOpensThroughTheShell_data();
    void clickOpensThroughTheShell();
    void dragOrDoubleClickOpensNothingMore();

private:
    QPoint pointOf(const QString &text) const;
    void moveTo(const QString &text);

    QTemporaryDir m_dir;
    QString m_appDir;
    richtext::RichTextBox *box = nullptr;
    links::NewsLinkHandlers *handlers = nullptr;
    QList<desktop::ShellOpenCall> calls;
};

void TestNewsLinks::init()
{
    calls.clear();
    QFile f(m_dir.filePath(QStringLiteral("news.rtf")));
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(kNews) == kNews.size());
    f.close();
    box = new richtext::RichTextBox;
    box->resize(900, 200);
    QVERIFY(box->loadFile(f.fileName()));
    m_appDir = m_dir.path() + QLatin1Char('/'); // the handlers read it for every hover
    handlers = new links::NewsLinkHandlers(box, m_appDir, [this](const desktop::ShellOpenCall &c) { calls.append(c); });
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box));
}

void TestNewsLinks::cleanup()
{
    delete box;
}

// The middle of the first character of `text` in the box, in viewport pixels.
QPoint TestNewsLinks::pointOf(const QString &text) const
{
    const QTextCursor found = box->document()->find(text);
    if (found.isNull())
        return QPoint(-1, -1);
    QTextCursor c(box->document());
    c.setPosition(found.selectionStart());
    const QRect here = box->cursorRect(c);
    c.setPosition(found.selectionStart() + 1);
    return QPoint((here.left() + box->cursorRect(c).left()) / 2 + 1, here.center().y());
}

void TestNewsLinks::moveTo(const QString &text)
{
    const QPoint at = pointOf(text);
    QVERIFY2(at.x() >= 0, qPrintable(text));
    QTest::mouseMove(box->viewport(), at + QPoint(0, 40));
    QTest::mouseMove(box->viewport(), at);
}

void TestNewsLinks::hover_data()
{
    QTest::addColumn<QString>("over");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("tooltip");
    QTest::newRow("web") << QStringLiteral("notes") << QStringLiteral("http://www.example.org/news.html")
                         << QStringLiteral("Click here to navigate at http://www.example.org/news.html");
    QTest::newRow("mail") << QStringLiteral("editors") << QStringLiteral("mailto:news@example.org")
                          << QStringLiteral("Click here to send mail to news@example.org");
    QTest::newRow("https") << QStringLiteral("secure") << QStringLiteral("https://example.org/secure")
                           << QStringLiteral("Click here to navigate at https://example.org/secure");
    QTest::newRow("file") << QStringLiteral("a file") << QString() << QString();
    QTest::newRow("script") << QStringLiteral("a script") << QString() << QString();
    QTest::newRow("plain text") << QStringLiteral("Read") << QString() << QString();
    QTest::newRow("unmarked www") << QStringLiteral("plain.example") << QString() << QString();
}

void TestNewsLinks::hover()
{
    QFETCH(QString, over);
    QFETCH(QString, link);
    QFETCH(QString, tooltip);
    moveTo(QStringLiteral("notes")); // from a link, so that leaving one is seen too
    moveTo(over);
    QCOMPARE(handlers->CurrentLink(), link);
    QCOMPARE(box->toolTip(), tooltip);
    QCOMPARE(box->mousePointer(), link.isEmpty() ? PointerKind::Default : PointerKind::Custom);
    QCOMPARE(box->viewport()->cursor().shape() == Qt::IBeamCursor, link.isEmpty());
    QVERIFY(calls.isEmpty());
    // The context menu copies the address of a link the shell would open.
    QGuiApplication::clipboard()->clear();
    const QString copy = QStringLiteral("copyLinkAddress");
    const QStringList entries = testsupport::ContextMenuEntries(box->viewport(), pointOf(over), copy);
    QCOMPARE(entries.contains(copy), !link.isEmpty());
    QCOMPARE(QGuiApplication::clipboard()->text(), link);
}

void TestNewsLinks::clickOpensThroughTheShell_data()
{
    QTest::addColumn<QString>("over");
    QTest::addColumn<QString>("url"); // empty: nothing is opened
    QTest::newRow("web") << QStringLiteral("notes") << QStringLiteral("http://www.example.org/news.html");
    QTest::newRow("mail") << QStringLiteral("editors") << QStringLiteral("mailto:news@example.org");
    QTest::newRow("file") << QStringLiteral("a file") << QString();
    QTest::newRow("script") << QStringLiteral("a script") << QString();
    QTest::newRow("text") << QStringLiteral("write") << QString();
}

void TestNewsLinks::clickOpensThroughTheShell()
{
    QFETCH(QString, over);
    QFETCH(QString, url);
    moveTo(over);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, pointOf(over));
    if (url.isEmpty()) {
        QVERIFY(calls.isEmpty());
        return;
    }
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.first().url.toString(), url);
}

void TestNewsLinks::dragOrDoubleClickOpensNothingMore()
{
    const QPoint at = pointOf(QStringLiteral("notes"));
    moveTo(QStringLiteral("notes"));
    // A selection dragged from the link is no click.
    QTest::mousePress(box->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseMove(box->viewport(), at + QPoint(60, 0));
    QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, at + QPoint(60, 0));
    QVERIFY(calls.isEmpty());
    // A double click opens once; the right button not at all.
    moveTo(QStringLiteral("notes"));
    QTest::mousePress(box->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, at);
    QTest::mousePress(box->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(box->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(calls.size(), 1);
    QTest::mouseClick(box->viewport(), Qt::RightButton, {}, at);
    QCOMPARE(calls.size(), 1);
}

QTEST_MAIN(TestNewsLinks)
#include "test_news_links.moc"
