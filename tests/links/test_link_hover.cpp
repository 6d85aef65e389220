#include "desktop/ShellOpen.h"
#include "links/DetectLinkAtPoint.h"
#include "links/LinkHandlers.h"
#include "links/WordScan.h"
#include "richtext/RichTextBox.h"
#include "support/ContextMenu.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QToolTip>

using namespace veldra;
using namespace veldra::links;
using desktop::PointerKind;

namespace
{

const QString kBody = QStringLiteral("www.first.org starts the body\r\n"
                                     "see http://x.org/a, then mailto:joe@x.org or joe@x.org\r\n"
                                     "https://y.org HTTP://Z.ORG http://u@v.org (www.b.org)\r\n"
                                     "the end is www.last.org");

// A reader panel laid out like the main window's: header fields above the body.
struct Reader {
    QWidget window;
    QGroupBox *frameReader;
    QLineEdit *txtSubject, *txtAuthor, *txtWebsite, *txtVersion;
    richtext::RichTextBox *txtFAQ;
    QString appDir; // the program folder, where the hand's picture lies
    ReaderLinkHandlers *handlers;

    explicit Reader(const QString &programDir)
        : appDir(programDir)
    {
        window.resize(640, 480);
        frameReader = new QGroupBox(&window);
        frameReader->setGeometry(0, 0, 640, 480);
        auto field = [this](int row) {
            auto *e = new QLineEdit(frameReader);
            e->setGeometry(80, 20 + row * 26, 300, 22);
            return e;
        };
        txtSubject = field(0);
        txtAuthor = field(1);
        txtWebsite = field(2);
        txtVersion = field(3);
        txtFAQ = new richtext::RichTextBox(frameReader);
        txtFAQ->setGeometry(10, 130, 620, 340);
        handlers = new ReaderLinkHandlers({frameReader, txtFAQ, txtWebsite, txtAuthor, txtSubject, txtVersion}, appDir);
    }
};

} // namespace

// Pointer moves, clicks, pointers and tooltips over a reader panel shown offscreen.
class TestLinkHover : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void wordAtIndexMatchesWholeTextScan();
    void hover_data();
    void hover();
    void tooltipShownOverLink();
    void endOfLineClearsLink();
    void beyondTextLeavesPointer();
    void click_data();
    void click();
    void clickUsesWordOfLastMove();
    void dragOrDoubleClickOrRightClick();
    void website_data();
    void website();
    void pointersDoNotMaskEachOther();
    void missingHandFile();

private:
    QPoint pointOf(int index) const;
    void hoverIndex(int index);
    void moveTo(QWidget *w, QPoint at = QPoint());
    Qt::CursorShape shownShape() const;

    Reader *r = nullptr;
    QTemporaryDir appDir;
    QList<desktop::ShellOpenCall> calls;
};

void TestLinkHover::initTestCase()
{
    QVERIFY(appDir.isValid());
    QVERIFY(QFile::copy(QStringLiteral(VELDRA_SOURCE_DIR "/resources/hand.cur"),
                        appDir.filePath(QStringLiteral("hand.cur"))));
}

void TestLinkHover::init()
{
    calls.clear();
    r = new Reader(appDir.path() + QLatin1Char('/'));
    r->handlers->setOpener([this](const desktop::ShellOpenCall &c) { calls.append(c); });
    r->txtFAQ->setText(kBody);
    r->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&r->window));
}

void TestLinkHover::cleanup()
{
    delete r;
    r = nullptr;
}

// The middle of character `index` of the body, in viewport pixels.
QPoint TestLinkHover::pointOf(int index) const
{
    richtext::RichTextBox *box = r->txtFAQ;
    QTextCursor c(box->document());
    c.setPosition(box->indexToPosition(index));
    const QRect here = box->cursorRect(c);
    c.setPosition(c.position() + 1);
    const QRect next = box->cursorRect(c);
    const int x =
        next.top() == here.top() && next.left() > here.left() ? (here.left() + next.left()) / 2 : here.left() + 2;
    return QPoint(x, here.center().y());
}

// Moves onto the panel first: the platform drops a move to where the pointer
// already is.
void TestLinkHover::moveTo(QWidget *w, QPoint at)
{
    QTest::mouseMove(r->frameReader, QPoint(5, 5));
    QTest::mouseMove(w, at.isNull() ? w->rect().center() : at);
}

void TestLinkHover::hoverIndex(int index)
{
    const QPoint at = pointOf(index);
    QCOMPARE(r->txtFAQ->charFromPos(at), index);
    moveTo(r->txtFAQ->viewport(), at);
}

// What the window shows under the pointer now.
Qt::CursorShape TestLinkHover::shownShape() const
{
    return r->window.windowHandle()->cursor().shape();
}

void TestLinkHover::wordAtIndexMatchesWholeTextScan()
{
    const QString texts[] = {
        kBody,
        QStringLiteral("\r\n\r\nword\r\n  two  spaces \r\n\r\n last"),
        QStringLiteral("one\r\n"),
        QStringLiteral(" "),
        QStringLiteral("x"),
    };
    for (const QString &text : texts) {
        r->txtFAQ->setText(text);
        const QString whole = r->txtFAQ->text();
        QCOMPARE(whole, text);
        for (int i = -1; i <= whole.size() + 1; ++i)
            QVERIFY2(WordAtIndex(*r->txtFAQ, i) == ScanWord(whole, i), qPrintable(QString::number(i)));
    }
}

void TestLinkHover::hover_data()
{
    QTest::addColumn<QString>("at"); // a text of the body ...
    QTest::addColumn<int>("offset"); // ... and the character within it
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("tip");

    const QString nav = QStringLiteral("Click here to navigate at ");
    const QString mail = QStringLiteral("Click here to send mail to ");
    QTest::newRow("first char of body") << QStringLiteral("www.first") << 0 << QStringLiteral("www.first.org")
                                        << nav + QStringLiteral("www.first.org");
    QTest::newRow("last char of link") << QStringLiteral("a, then") << 1 << QStringLiteral("http://x.org/a,")
                                       << nav + QStringLiteral("http://x.org/a");
    QTest::newRow("first char of line") << QStringLiteral("see ") << 0 << QStringLiteral("see") << QString();
    QTest::newRow("space after link") << QStringLiteral(", then") << 1 << QString() << QString();
    QTest::newRow("mailto") << QStringLiteral("mailto:") << 3 << QStringLiteral("mailto:joe@x.org")
                            << mail + QStringLiteral("joe@x.org");
    QTest::newRow("bare address") << QStringLiteral(" joe@x.org\r") << 4 << QStringLiteral("joe@x.org")
                                  << mail + QStringLiteral("joe@x.org");
    QTest::newRow("web link with @") << QStringLiteral("u@v") << 1 << QStringLiteral("http://u@v.org")
                                     << nav + QStringLiteral("http://u@v.org");
    QTest::newRow("last word of body") << QStringLiteral("www.last.org") << 11 << QStringLiteral("www.last.org")
                                       << nav + QStringLiteral("www.last.org");
}

void TestLinkHover::hover()
{
    QFETCH(QString, at);
    QFETCH(int, offset);
    QFETCH(QString, word);
    QFETCH(QString, tip);
    const int index = int(kBody.indexOf(at)) + offset;
    QVERIFY(index >= offset);
    // Start from the other state, so each row shows a change.
    r->txtFAQ->setMousePointer(tip.isEmpty() ? PointerKind::Custom : PointerKind::Default, QCursor(Qt::BitmapCursor));
    r->txtFAQ->setToolTip(tip.isEmpty() ? QStringLiteral("stale") : QString());

    hoverIndex(index);
    QCOMPARE(r->handlers->CurrentLink(), word);
    QCOMPARE(r->txtFAQ->toolTip(), tip);
    QCOMPARE(r->txtFAQ->mousePointer(), tip.isEmpty() ? PointerKind::Default : PointerKind::Custom);
    QCOMPARE(r->txtFAQ->viewport()->cursor().shape(), tip.isEmpty() ? Qt::IBeamCursor : Qt::BitmapCursor);
    QCOMPARE(shownShape(), tip.isEmpty() ? Qt::IBeamCursor : Qt::BitmapCursor);
    if (!tip.isEmpty())
        QCOMPARE(r->txtFAQ->viewport()->cursor().hotSpot(), QPoint(6, 1));
}

void TestLinkHover::tooltipShownOverLink()
{
    const int index = int(kBody.indexOf(QStringLiteral("mailto:")));
    hoverIndex(index);
    QWidget *viewport = r->txtFAQ->viewport();
    QHelpEvent help(QEvent::ToolTip, pointOf(index), viewport->mapToGlobal(pointOf(index)));
    QApplication::sendEvent(viewport, &help);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("Click here to send mail to joe@x.org"));

    // Moving on to a plain word takes the stale tooltip down.
    hoverIndex(int(kBody.indexOf(QStringLiteral("then"))));
    QTRY_VERIFY(!QToolTip::isVisible());
}

void TestLinkHover::endOfLineClearsLink()
{
    hoverIndex(int(kBody.indexOf(QStringLiteral("www.first"))));
    QCOMPARE(r->txtFAQ->mousePointer(), PointerKind::Custom);
    // Right of the first line's end the nearest character is its CR.
    const QPoint lineEnd(r->txtFAQ->viewport()->width() - 10, pointOf(0).y());
    QCOMPARE(r->txtFAQ->charFromPos(lineEnd), int(kBody.indexOf(QLatin1Char('\r'))));
    moveTo(r->txtFAQ->viewport(), lineEnd);
    QCOMPARE(r->handlers->CurrentLink(), QString());
    QCOMPARE(r->txtFAQ->mousePointer(), PointerKind::Default);
    QCOMPARE(r->txtFAQ->toolTip(), QString());
    QTest::mouseClick(r->txtFAQ->viewport(), Qt::LeftButton, {}, lineEnd);
    QVERIFY(calls.isEmpty());
}

void TestLinkHover::beyondTextLeavesPointer()
{
    hoverIndex(int(kBody.indexOf(QStringLiteral("www.last"))));
    const QString tip = r->txtFAQ->toolTip();
    QCOMPARE(r->handlers->CurrentLink(), QStringLiteral("www.last.org"));
    // Past the last character of the body: no word, and the pointer stays.
    const QPoint past(r->txtFAQ->viewport()->width() - 10, r->txtFAQ->viewport()->height() - 10);
    QCOMPARE(r->txtFAQ->charFromPos(past), r->txtFAQ->textLength());
    moveTo(r->txtFAQ->viewport(), past);
    QCOMPARE(r->handlers->CurrentLink(), QString());
    QCOMPARE(r->txtFAQ->mousePointer(), PointerKind::Custom);
    QCOMPARE(r->txtFAQ->toolTip(), tip);
    QTest::mouseClick(r->txtFAQ->viewport(), Qt::LeftButton, {}, past);
    QVERIFY(calls.isEmpty());
}

void TestLinkHover::click_data()
{
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("target"); // handed to the shell adapter; empty: nothing
    QTest::addColumn<QString>("url");    // what the desktop gets

    QTest::newRow("web without the comma after it")
        << QStringLiteral("http://x") << QStringLiteral("http://x.org/a") << QStringLiteral("http://x.org/a");
    QTest::newRow("www reaches desktop as http")
        << QStringLiteral("www.first") << QStringLiteral("www.first.org") << QStringLiteral("http://www.first.org");
    QTest::newRow("mailto unchanged") << QStringLiteral("mailto:") << QStringLiteral("mailto:joe@x.org")
                                      << QStringLiteral("mailto:joe@x.org");
    QTest::newRow("bare address gets mailto")
        << QStringLiteral(" joe@x.org\r") << QStringLiteral("mailto:joe@x.org") << QStringLiteral("mailto:joe@x.org");
    QTest::newRow("web link with @ opens once")
        << QStringLiteral("u@v") << QStringLiteral("http://u@v.org") << QStringLiteral("http://u@v.org");
    QTest::newRow("plain word") << QStringLiteral("then") << QString() << QString();
    QTest::newRow("https") << QStringLiteral("https") << QString() << QString();
}

void TestLinkHover::click()
{
    QFETCH(QString, at);
    QFETCH(QString, target);
    QFETCH(QString, url);
    const int index = int(kBody.indexOf(at)) + 2;
    // The context menu copies what a click opens.
    QGuiApplication::clipboard()->clear();
    const QString copy = QStringLiteral("copyLinkAddress");
    const QStringList entries = testsupport::ContextMenuEntries(r->txtFAQ->viewport(), pointOf(index), copy);
    QCOMPARE(entries.contains(copy), !target.isEmpty());
    QCOMPARE(QGuiApplication::clipboard()->text(), target);
    hoverIndex(index);
    QTest::mouseClick(r->txtFAQ->viewport(), Qt::LeftButton, {}, pointOf(index));
    if (target.isEmpty()) {
        QVERIFY(calls.isEmpty());
        return;
    }
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls[0].target, target);
    QCOMPARE(calls[0].url.toString(QUrl::FullyEncoded), url);
}

void TestLinkHover::clickUsesWordOfLastMove()
{
    hoverIndex(int(kBody.indexOf(QStringLiteral("www.first"))));
    // A click that arrives elsewhere without a move opens the word last hovered.
    QTest::mouseClick(r->txtFAQ->viewport(), Qt::LeftButton, {}, pointOf(int(kBody.indexOf(QStringLiteral("see")))));
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls[0].target, QStringLiteral("www.first.org"));
}

void TestLinkHover::dragOrDoubleClickOrRightClick()
{
    QWidget *viewport = r->txtFAQ->viewport();
    const QPoint link = pointOf(int(kBody.indexOf(QStringLiteral("www.first"))) + 1);
    hoverIndex(int(kBody.indexOf(QStringLiteral("www.first"))) + 1);

    // Selecting text with a drag that ends on the link.
    const QPoint elsewhere = pointOf(int(kBody.indexOf(QStringLiteral("body"))));
    QTest::mousePress(viewport, Qt::LeftButton, {}, elsewhere);
    QTest::mouseMove(viewport, link);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, link);
    QCOMPARE(r->handlers->CurrentLink(), QStringLiteral("www.first.org"));
    QVERIFY(calls.isEmpty());

    // A double click: press, release, press, double click, release.
    QTest::mousePress(viewport, Qt::LeftButton, {}, link);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, link);
    QTest::mousePress(viewport, Qt::LeftButton, {}, link);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, link);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, link);
    QCOMPARE(calls.size(), 1);

    calls.clear();
    QTest::mouseClick(viewport, Qt::RightButton, {}, link);
    QVERIFY(calls.isEmpty());
}

void TestLinkHover::website_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("hand");
    QTest::addColumn<QString>("url"); // what the desktop gets; empty: refused or not handed over

    QTest::newRow("none") << QStringLiteral("none") << false << QString();
    QTest::newRow("empty") << QString() << false << QString();
    QTest::newRow("spaces") << QStringLiteral("   ") << false << QString();
    QTest::newRow("tab is not blank") << QStringLiteral("\t") << true << QString();
    QTest::newRow("None") << QStringLiteral("None") << true << QStringLiteral("http://none");
    QTest::newRow("spaced none") << QStringLiteral(" none ") << true << QStringLiteral("http://none");
    QTest::newRow("spaced name") << QStringLiteral("  www.x.org ") << true << QStringLiteral("http://www.x.org");
    QTest::newRow("local file") << QStringLiteral("file:///etc/passwd") << true << QString();
    QTest::newRow("program path") << QStringLiteral("/usr/bin/xterm") << true << QString();
}

void TestLinkHover::website()
{
    QFETCH(QString, text);
    QFETCH(bool, hand);
    QFETCH(QString, url);
    r->txtWebsite->setText(text);
    moveTo(r->txtWebsite);
    QCOMPARE(r->txtWebsite->cursor().shape(), hand ? Qt::BitmapCursor : Qt::ArrowCursor);
    QCOMPARE(shownShape(), hand ? Qt::BitmapCursor : Qt::ArrowCursor);
    QCOMPARE(r->txtWebsite->toolTip(), QString());

    QTest::mouseClick(r->txtWebsite, Qt::LeftButton);
    if (!hand) {
        QVERIFY(calls.isEmpty());
        return;
    }
    // The untrimmed text is handed over; the adapter decides what the desktop gets.
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls[0].target, text);
    QCOMPARE(calls[0].url.toString(QUrl::FullyEncoded), url);
}

void TestLinkHover::pointersDoNotMaskEachOther()
{
    r->txtWebsite->setText(QStringLiteral("www.x.org"));
    const int link = int(kBody.indexOf(QStringLiteral("www.first")));
    const int plain = int(kBody.indexOf(QStringLiteral("starts")));

    moveTo(r->txtWebsite);
    QCOMPARE(shownShape(), Qt::BitmapCursor);
    hoverIndex(plain);
    QCOMPARE(shownShape(), Qt::IBeamCursor);
    hoverIndex(link);
    QCOMPARE(shownShape(), Qt::BitmapCursor);
    // The other header fields and the panel show the arrow, and clicks there open nothing.
    r->txtAuthor->setText(QStringLiteral("joe@x.org"));
    for (QWidget *w : {static_cast<QWidget *>(r->txtAuthor), static_cast<QWidget *>(r->txtSubject),
                       static_cast<QWidget *>(r->txtVersion)}) {
        moveTo(w);
        QCOMPARE(shownShape(), Qt::ArrowCursor);
        QTest::mouseClick(w, Qt::LeftButton);
    }
    QTest::mouseMove(r->frameReader, QPoint(600, 60));
    QCOMPARE(shownShape(), Qt::ArrowCursor);
    QVERIFY(calls.isEmpty());
    hoverIndex(link);
    QCOMPARE(shownShape(), Qt::BitmapCursor);
    hoverIndex(plain);
    QCOMPARE(shownShape(), Qt::IBeamCursor);
    moveTo(r->txtWebsite);
    QCOMPARE(shownShape(), Qt::BitmapCursor);
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TestLinkHover::missingHandFile()
{
    QTemporaryDir other;
    QVERIFY(other.isValid());
    r->appDir = other.path() + QLatin1Char('/');
    r->txtWebsite->setText(QStringLiteral("www.x.org"));
    const int link = int(kBody.indexOf(QStringLiteral("www.first")));

    // Without the picture in the program folder, the one beside the executable
    // serves (a system-wide install downloads elsewhere); without either, Qt's hand.
    const bool besideExecutable = QFile::exists(QCoreApplication::applicationDirPath() + QStringLiteral("/hand.cur"));
    const Qt::CursorShape fallback = besideExecutable ? Qt::BitmapCursor : Qt::PointingHandCursor;
    hoverIndex(link);
    QCOMPARE(r->txtFAQ->viewport()->cursor().shape(), fallback);
    moveTo(r->txtWebsite);
    QCOMPARE(r->txtWebsite->cursor().shape(), fallback);

    // The file is read on every move, so one put there shows at once.
    QVERIFY(QFile::copy(appDir.filePath(QStringLiteral("hand.cur")), other.filePath(QStringLiteral("hand.cur"))));
    hoverIndex(link);
    QCOMPARE(r->txtFAQ->viewport()->cursor().shape(), Qt::BitmapCursor);
    moveTo(r->txtWebsite);
    QCOMPARE(r->txtWebsite->cursor().shape(), Qt::BitmapCursor);
}

QTEST_MAIN(TestLinkHover)
#include "test_link_hover.moc"
