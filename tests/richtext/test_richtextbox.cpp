#include "richtext/RichTextBox.h"

#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QFile>
#include <QPixmap>
#include <QPointer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

using veldra::desktop::PointerKind;
using veldra::richtext::RichTextBox;

// The rich-text box: CR LF counted indexes, find, selection formatting, file
// loading and the pointer.
class TestRichTextBox : public QObject
{
    Q_OBJECT
private slots:
    void textCountsLineBreaksAsCrLf_data();
    void textCountsLineBreaksAsCrLf();
    void indexesRoundTrip();
    void find_data();
    void find();
    void findSelectsTheMatch();
    void caretAndLineAt();
    void charFromPosFindsTheCharacterUnderThePoint();
    void charFromPosAfterScrolling();
    void selectionFormattingCoversExactlyTheSelection();
    void removingTheLinkKeepsTheDocumentsUnderline();
    void appendTextKeepsEarlierFormatting();
    void loadFileRtfAndPlainText();
    void loadFileFailureLeavesTheBox();
    void lineBreakInsideAParagraphCountsAsCrLf();
    void tablesAndNotesAreLinesOfTheText();
    void pictureFrameIsDrawn();
    void largeDocumentLetsEventsRunWhileItLoads();
    void newTextDropsALoadInProgress();
    void closingTheBoxDuringALoad();
    void mousePointerKinds();
    void showDocumentTakesItOverWithTheCaret();
    void shownDocumentIsLaidOutInTheBackground();
    void endOfALongDocumentWaitsForItsLayout();
    void nextDocumentStartsWithASmallSlice();
    void programEditsKeepNoUndoSteps();

private:
    QString writeFile(const QString &name, const QByteArray &data);
    QString writeLargeRtf();
    static void checkRoundTrip(const RichTextBox &box);
    QTemporaryDir m_dir;
};

// A document of `lines` lines, ready to be shown.
static std::unique_ptr<QTextDocument> LongDocument(int lines)
{
    QString text;
    for (int i = 0; i < lines; ++i)
        text += QStringLiteral("Line %1 of a long document, long enough to wrap in a narrow box\n").arg(i);
    auto doc = std::make_unique<QTextDocument>();
    QTextCursor(doc.get()).insertText(text);
    return doc;
}

QString TestRichTextBox::writeFile(const QString &name, const QByteArray &data)
{
    const QString path = m_dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size())
        return QString();
    return path;
}

void TestRichTextBox::textCountsLineBreaksAsCrLf_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("text");
    QTest::newRow("crlf") << QStringLiteral("ab\r\ncd") << QStringLiteral("ab\r\ncd");
    QTest::newRow("lone cr and lf") << QStringLiteral("ab\rcd\nef") << QStringLiteral("ab\r\ncd\r\nef");
    QTest::newRow("empty lines") << QStringLiteral("\r\n\r\nx\r\n") << QStringLiteral("\r\n\r\nx\r\n");
    QTest::newRow("empty") << QString() << QString();
}

void TestRichTextBox::textCountsLineBreaksAsCrLf()
{
    QFETCH(QString, input);
    QFETCH(QString, text);
    RichTextBox box;
    box.setText(input);
    QCOMPARE(box.text(), text);
    QCOMPARE(box.textLength(), text.size());
}

void TestRichTextBox::indexesRoundTrip()
{
    RichTextBox box;
    box.setText(QStringLiteral("ab\r\n\r\ncde\r\nf"));
    const QString text = box.text();
    for (int i = 0; i <= text.size(); ++i) {
        const int pos = box.indexToPosition(i);
        if (i < text.size() && text.at(i) == QLatin1Char('\n')) {
            // The LF of a CR LF has no position of its own: it maps to the line end.
            QCOMPARE(box.positionToIndex(pos), i - 1);
        } else {
            QCOMPARE(box.positionToIndex(pos), i);
            if (i < text.size() && text.at(i) != QLatin1Char('\r'))
                QCOMPARE(box.document()->characterAt(pos), text.at(i));
        }
    }
    QCOMPARE(box.indexToPosition(-5), 0);
    QCOMPARE(box.indexToPosition(1000), box.document()->characterCount() - 1);
}

void TestRichTextBox::find_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<int>("found");
    // Text: "Go to www.A.com,\r\nor WWW.b.org now" (index 18 is the "o" of "or")
    QTest::newRow("first") << QStringLiteral("www.") << 0 << -1 << 6;
    QTest::newRow("ignores case") << QStringLiteral("WWW.a") << 0 << -1 << 6;
    QTest::newRow("not whole words") << QStringLiteral("ww.b") << 0 << -1 << 22;
    QTest::newRow("from after the first") << QStringLiteral("www.") << 7 << -1 << 21;
    QTest::newRow("start on the match") << QStringLiteral("www.") << 21 << -1 << 21;
    QTest::newRow("start on the LF") << QStringLiteral("or") << 17 << -1 << 18;
    QTest::newRow("end cuts the match") << QStringLiteral("www.b") << 0 << 24 << -1;
    QTest::newRow("end just after the match") << QStringLiteral("www.b") << 0 << 26 << 21;
    QTest::newRow("across the line break") << QStringLiteral(",\r\nOR") << 0 << -1 << 15;
    QTest::newRow("missing") << QStringLiteral("ftp") << 0 << -1 << -1;
    QTest::newRow("start past the end") << QStringLiteral("now") << 40 << -1 << -1;
    QTest::newRow("empty") << QString() << 0 << -1 << -1;
}

void TestRichTextBox::find()
{
    QFETCH(QString, what);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(int, found);
    RichTextBox box;
    box.setText(QStringLiteral("Go to www.A.com,\r\nor WWW.b.org now"));
    QCOMPARE(box.find(what, start, end), found);
}

void TestRichTextBox::findSelectsTheMatch()
{
    RichTextBox box;
    box.setText(QStringLiteral("line one\r\nline two\r\nthe END"));
    QCOMPARE(box.find(QStringLiteral("end"), 0), 24);
    QCOMPARE(box.selStart(), 24);
    QCOMPARE(box.selLength(), 3);
    QCOMPARE(box.textCursor().selectedText(), QStringLiteral("END"));
    box.setSelStart(25);
    QCOMPARE(box.selStart(), 25);
    QCOMPARE(box.selLength(), 0);
    // A failed find leaves the selection alone.
    QCOMPARE(box.find(QStringLiteral("zzz"), 0), -1);
    QCOMPARE(box.selStart(), 25);
}

void TestRichTextBox::caretAndLineAt()
{
    RichTextBox box;
    box.setText(QStringLiteral("first\r\n\r\nthird line"));
    int start = -1;
    QCOMPARE(box.lineAt(3, &start), QStringLiteral("first"));
    QCOMPARE(start, 0);
    QCOMPARE(box.lineAt(7, &start), QString());
    QCOMPARE(start, 7);
    QCOMPARE(box.lineAt(12, &start), QStringLiteral("third line"));
    QCOMPARE(start, 9);
    box.setSelStart(12);
    QCOMPARE(box.selStart(), 12);
    box.setSelStart(1000);
    QCOMPARE(box.selStart(), box.textLength());
}

// Centre of the character at `index` in viewport coordinates.
static QPoint CentreOf(RichTextBox &box, int index)
{
    QTextCursor c(box.document());
    c.setPosition(box.indexToPosition(index));
    const QRect left = box.cursorRect(c);
    c.movePosition(QTextCursor::NextCharacter);
    const QRect right = box.cursorRect(c);
    return QPoint((left.x() + right.x()) / 2, left.center().y());
}

void TestRichTextBox::charFromPosFindsTheCharacterUnderThePoint()
{
    RichTextBox box;
    box.resize(400, 300);
    box.setText(QStringLiteral("Hello world\r\nsecond line here\r\n\r\nlast www.example.com"));
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QString text = box.text();
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\r') || text.at(i) == QLatin1Char('\n'))
            continue;
        QCOMPARE(box.charFromPos(CentreOf(box, i)), i);
    }
    // Right of a character's middle is still that character.
    QTextCursor c(box.document());
    c.setPosition(box.indexToPosition(14));
    const QRect r = box.cursorRect(c);
    QCOMPARE(box.charFromPos(QPoint(CentreOf(box, 14).x() + 1, r.center().y())), 14);
    // Below the last line: a character of the last line.
    const int below = box.charFromPos(QPoint(5, box.viewport()->height() - 2));
    QVERIFY(below >= text.lastIndexOf(QLatin1Char('\n')));
}

void TestRichTextBox::charFromPosAfterScrolling()
{
    RichTextBox box;
    box.resize(300, 120);
    QString text;
    for (int i = 0; i < 100; ++i)
        text += QStringLiteral("line %1\r\n").arg(i, 3, 10, QLatin1Char('0'));
    box.setText(text);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const int index = box.text().indexOf(QStringLiteral("line 080"));
    QTextCursor c(box.document());
    c.setPosition(box.indexToPosition(index));
    box.setTextCursor(c);
    box.ensureCursorVisible();
    QVERIFY(box.verticalScrollBar()->value() > 0);
    QCOMPARE(box.charFromPos(CentreOf(box, index + 5)), index + 5);
}

void TestRichTextBox::selectionFormattingCoversExactlyTheSelection()
{
    RichTextBox box;
    box.setText(QStringLiteral("see www.a.com\r\nand more"));
    QCOMPARE(box.find(QStringLiteral("www.a.com"), 0), 4);
    box.setSelLink(true);
    box.setSelColor(0xFF0000); // blue in 0xBBGGRR
    for (int i = 0; i < box.textLength(); ++i) {
        const bool inside = i >= 4 && i < 13;
        QVERIFY2(box.isLinkAt(i) == inside, qPrintable(QString::number(i)));
        QVERIFY2((box.colorAt(i) == QColor(0, 0, 255)) == inside, qPrintable(QString::number(i)));
    }
    const QTextCursor c = box.textCursor();
    QTextCursor one(box.document());
    one.setPosition(c.selectionStart() + 1);
    QVERIFY(one.charFormat().fontUnderline());
    QCOMPARE(one.charFormat().anchorHref(), QStringLiteral("www.a.com"));
    // Without a selection nothing changes.
    box.setSelStart(16);
    box.setSelColor(0x0000FF);
    box.setSelLink(true);
    QVERIFY(!box.isLinkAt(16));
    QVERIFY(box.colorAt(16) != QColor(255, 0, 0));
    // Across a line break, both lines and only them.
    QCOMPARE(box.find(QStringLiteral("com\r\nand"), 0), 10);
    box.setSelColor(0x00FF00);
    QCOMPARE(box.colorAt(9), QColor(0, 0, 255));
    QCOMPARE(box.colorAt(10), QColor(0, 255, 0));
    QCOMPARE(box.colorAt(17), QColor(0, 255, 0));
    QVERIFY(box.colorAt(18) != QColor(0, 255, 0));
}

void TestRichTextBox::removingTheLinkKeepsTheDocumentsUnderline()
{
    RichTextBox box;
    const QString path = writeFile(QStringLiteral("u.rtf"), "{\\rtf1 plain {\\ul under} tail}");
    QVERIFY(box.loadFile(path).ok());
    QCOMPARE(box.text(), QStringLiteral("plain under tail"));
    QCOMPARE(box.find(QStringLiteral("plain under"), 0), 0);
    box.setSelLink(true);
    QVERIFY(box.isLinkAt(0) && box.isLinkAt(8));
    box.setSelLink(false);
    QVERIFY(!box.isLinkAt(0) && !box.isLinkAt(8));
    QTextCursor c(box.document());
    c.setPosition(2);
    QVERIFY(!c.charFormat().fontUnderline());
    c.setPosition(8);
    QVERIFY(c.charFormat().fontUnderline());
}

void TestRichTextBox::appendTextKeepsEarlierFormatting()
{
    RichTextBox box;
    box.setText(QStringLiteral("go www.x.org"));
    QCOMPARE(box.find(QStringLiteral("www.x.org"), 0), 3);
    box.setSelLink(true);
    box.setSelColor(0xFF0000);
    box.appendText(QStringLiteral("  "));
    QCOMPARE(box.text(), QStringLiteral("go www.x.org  "));
    QVERIFY(box.isLinkAt(11));
    QCOMPARE(box.colorAt(11), QColor(0, 0, 255));
    QVERIFY(!box.isLinkAt(12));
    QVERIFY(box.colorAt(12) != QColor(0, 0, 255));
    box.appendText(QStringLiteral("x\r\ny"));
    QCOMPARE(box.text(), QStringLiteral("go www.x.org  x\r\ny"));
    QCOMPARE(box.textLength(), 18);
}

void TestRichTextBox::loadFileRtfAndPlainText()
{
    RichTextBox box;
    const QString rtf = writeFile(QStringLiteral("a.rtf"), "{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;}"
                                                           "{\\b Caf\\'e9} {\\b bold}\\par {\\cf1 red}\\par}");
    QVERIFY(box.loadFile(rtf).ok());
    QCOMPARE(box.text(), QStringLiteral("Café bold\r\nred"));
    QTextCursor c(box.document());
    c.setPosition(box.indexToPosition(6));
    QVERIFY(c.charFormat().font().bold());
    QCOMPARE(box.colorAt(12), QColor(255, 0, 0));
    QCOMPARE(box.selStart(), 0);

    // Anything else is Windows-1252 text, one line per line, with no formatting.
    const QString plain = writeFile(QStringLiteral("a.txt"), "{\\b not rtf} Caf\xe9 \x80\r\nline\r\n\r\n");
    QVERIFY(box.loadFile(plain).ok());
    QCOMPARE(box.text(), QStringLiteral("{\\b not rtf} Café €\r\nline\r\n"));
    c = QTextCursor(box.document());
    c.setPosition(3);
    QVERIFY(!c.charFormat().font().bold());
    QVERIFY(!c.charFormat().hasProperty(QTextFormat::ForegroundBrush));

    const QString leading = writeFile(QStringLiteral("b.rtf"), " {\\rtf1 x}");
    QVERIFY(box.loadFile(leading).ok());
    QCOMPARE(box.text(), QStringLiteral(" {\\rtf1 x}"));
    // Text set after a formatted document has none of its formatting.
    QVERIFY(box.loadFile(rtf).ok());
    box.setText(QStringLiteral("No file downloaded"));
    c = QTextCursor(box.document());
    c.setPosition(1);
    QVERIFY(!c.charFormat().font().bold());
    QVERIFY(!c.charFormat().hasProperty(QTextFormat::FontPointSize));
    box.setSelStart(0);
    QVERIFY(box.loadFile(rtf).ok());
    box.setSelStart(6);
    box.appendText(QStringLiteral("!"));
    box.setText(QStringLiteral("x"));
    c.setPosition(1);
    QVERIFY(!c.charFormat().font().bold());

    const QString empty = writeFile(QStringLiteral("empty.txt"), QByteArray());
    QVERIFY(box.loadFile(empty).ok());
    QCOMPARE(box.text(), QString());
}

void TestRichTextBox::loadFileFailureLeavesTheBox()
{
    RichTextBox box;
    box.setText(QStringLiteral("kept"));
    const veldra::Status missing = box.loadFile(m_dir.filePath(QStringLiteral("missing.rtf")));
    QVERIFY(!missing.ok());
    QVERIFY(!missing.error().isEmpty());
    QCOMPARE(box.text(), QStringLiteral("kept"));
    QVERIFY(!box.loadFile(m_dir.path()).ok()); // a folder
    QCOMPARE(box.text(), QStringLiteral("kept"));
}

// Every index maps to a position and back, and the character at each position
// is the one the text shows at that index.
void TestRichTextBox::checkRoundTrip(const RichTextBox &box)
{
    const QString text = box.text();
    QCOMPARE(box.textLength(), int(text.size()));
    for (int i = 0; i <= text.size(); ++i) {
        const int pos = box.indexToPosition(i);
        const QByteArray where = "index " + QByteArray::number(i);
        if (i < text.size() && text.at(i) == QLatin1Char('\n')) {
            QVERIFY2(box.positionToIndex(pos) == i - 1, where); // the LF maps to the line end
            continue;
        }
        QVERIFY2(box.positionToIndex(pos) == i, where);
        const QChar shown = i < text.size() ? text.at(i) : QChar();
        if (!shown.isNull() && shown != QLatin1Char('\r'))
            QVERIFY2(box.document()->characterAt(pos) == shown, where);
    }
}

void TestRichTextBox::lineBreakInsideAParagraphCountsAsCrLf()
{
    RichTextBox box;
    const QString path = writeFile(QStringLiteral("line.rtf"), "{\\rtf1 go www.a.org\\line next line\\par end}");
    QVERIFY(box.loadFile(path).ok());
    QCOMPARE(box.document()->blockCount(), 2); // one paragraph with a line break, and "end"
    QCOMPARE(box.text(), QStringLiteral("go www.a.org\r\nnext line\r\nend"));
    checkRoundTrip(box);
    int start = -1;
    QCOMPARE(box.lineAt(3, &start), QStringLiteral("go www.a.org"));
    QCOMPARE(start, 0);
    QCOMPARE(box.lineAt(12, &start), QStringLiteral("go www.a.org")); // on the CR
    QCOMPARE(box.lineAt(16, &start), QStringLiteral("next line"));
    QCOMPARE(start, 14);
    QCOMPARE(box.lineAt(27, &start), QStringLiteral("end"));
    QCOMPARE(start, 25);
    QCOMPARE(box.find(QStringLiteral("next"), 0), 14);
    QCOMPARE(box.textCursor().selectedText(), QStringLiteral("next"));
    QCOMPARE(box.find(QStringLiteral("org\r\nnext"), 0), 9);
    box.setSelStart(20);
    QCOMPARE(box.selStart(), 20);
    // Marking a link after the break marks exactly its characters.
    QCOMPARE(box.find(QStringLiteral("line"), 15), 19);
    box.setSelLink(true);
    QVERIFY(!box.isLinkAt(18) && box.isLinkAt(19) && box.isLinkAt(22) && !box.isLinkAt(23));
}

void TestRichTextBox::tablesAndNotesAreLinesOfTheText()
{
    RichTextBox box;
    const QString path = writeFile(
        QStringLiteral("table.rtf"),
        "{\\rtf1 Before{\\super\\chftn}{\\footnote\\pard{\\super\\chftn} See www.n.org}\\par"
        "\\trowd\\cellx2000\\cellx4000\\pard\\intbl A1\\cell {\\field{\\*\\fldinst HYPERLINK \"http://x.org/\"}"
        "{\\fldrslt B1}}\\cell\\row\\pard After}");
    QVERIFY(box.loadFile(path).ok());
    QCOMPARE(box.text(), QStringLiteral("Before1\r\nA1\r\nB1\r\nAfter\r\n\r\n1 See www.n.org"));
    checkRoundTrip(box);
    const int b1 = int(box.text().indexOf(QStringLiteral("B1")));
    QVERIFY(box.isLinkAt(b1) && box.isLinkAt(b1 + 1) && !box.isLinkAt(b1 - 3));
    QCOMPARE(box.find(QStringLiteral("www.n.org"), 0), int(box.text().indexOf(QStringLiteral("www.n"))));
    int start = -1;
    QCOMPARE(box.lineAt(b1 + 1, &start), QStringLiteral("B1"));
    QCOMPARE(start, b1);
}

void TestRichTextBox::pictureFrameIsDrawn()
{
    // A metafile cannot be shown: it is an empty frame of its size, drawn by
    // the document the box shows.
    RichTextBox box;
    box.resize(400, 300);
    const QString path =
        writeFile(QStringLiteral("wmf.rtf"), "{\\rtf1{\\pict\\wmetafile8\\picwgoal3000\\pichgoal1500 0102}}");
    QVERIFY(box.loadFile(path).ok());
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QImage shot = box.viewport()->grab().toImage();
    int grey = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            grey += shot.pixelColor(x, y) == QColor(Qt::gray) ? 1 : 0;
    // The frame's outline: up to 2 * (200 + 100) pixels, less where the caret stands.
    QVERIFY2(grey > 400 && grey < 700, qPrintable(QString::number(grey)));
}

QString TestRichTextBox::writeLargeRtf()
{
    QByteArray rtf = "{\\rtf1\\ansi ";
    for (int i = 0; rtf.size() < 3 * 1024 * 1024; ++i)
        rtf += "{\\b Paragraph} " + QByteArray::number(i) + " with some text, {\\i words} and more words.\\par\n";
    rtf += "The end.}";
    return writeFile(QStringLiteral("large.rtf"), rtf);
}

void TestRichTextBox::largeDocumentLetsEventsRunWhileItLoads()
{
    const QString path = writeLargeRtf();
    RichTextBox box;
    bool loading = false;
    int ticksWhileLoading = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&] { ticksWhileLoading += loading ? 1 : 0; });
    ticker.start(0);
    loading = true;
    QVERIFY(box.loadFile(path).ok());
    loading = false;
    QVERIFY2(ticksWhileLoading > 0, "the window's events waited for the whole load");
    // Complete when the call returns.
    QVERIFY(box.text().endsWith(QStringLiteral("and more words.\r\nThe end.")));
    QTextCursor first(box.document());
    first.setPosition(1);
    QVERIFY(first.charFormat().font().bold());
    // Shown, the box lays the whole document out in the background, and its
    // scroll bar then covers all of it.
    box.resize(400, 300);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const auto laidOut = [&box] {
        const QTextLayout *last = box.document()->lastBlock().layout();
        return last && last->lineCount() > 0;
    };
    QTRY_VERIFY_WITH_TIMEOUT(laidOut(), 60000);
    // The scroll bar, kept shown while the long document was laid out, stays
    // under the box's usual rule.
    QTRY_COMPARE(box.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    QVERIFY(box.verticalScrollBar()->isVisible());
    QTRY_VERIFY(box.verticalScrollBar()->maximum() >
                int(box.document()->documentLayout()->documentSize().height()) - box.viewport()->height() - 50);
}

void TestRichTextBox::newTextDropsALoadInProgress()
{
    const QString path = writeLargeRtf();
    RichTextBox box;
    QTimer::singleShot(0, &box, [&box] { box.setText(QStringLiteral("Newer text")); });
    const veldra::Status loaded = box.loadFile(path);
    QVERIFY(!loaded.ok());
    QCOMPARE(box.text(), QStringLiteral("Newer text"));
}

void TestRichTextBox::closingTheBoxDuringALoad()
{
    const QString path = writeLargeRtf();
    auto *box = new RichTextBox;
    QTimer::singleShot(0, this, [box] { delete box; });
    const veldra::Status loaded = box->loadFile(path);
    QVERIFY(!loaded.ok());
}

void TestRichTextBox::mousePointerKinds()
{
    RichTextBox box;
    QCOMPARE(box.mousePointer(), PointerKind::Default);
    QCOMPARE(box.viewport()->cursor().shape(), Qt::IBeamCursor);
    box.setMousePointer(PointerKind::Arrow);
    QCOMPARE(box.mousePointer(), PointerKind::Arrow);
    QCOMPARE(box.viewport()->cursor().shape(), Qt::ArrowCursor);
    QPixmap hand(16, 16);
    hand.fill(Qt::black);
    box.setMousePointer(PointerKind::Custom, QCursor(hand, 3, 4));
    QCOMPARE(box.mousePointer(), PointerKind::Custom);
    QCOMPARE(box.viewport()->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(box.viewport()->cursor().hotSpot(), QPoint(3, 4));
    box.setMousePointer(PointerKind::Default);
    QCOMPARE(box.viewport()->cursor().shape(), Qt::IBeamCursor);
    box.setToolTip(QStringLiteral("Click here to navigate at www.x.org"));
    QCOMPARE(box.toolTip(), QStringLiteral("Click here to navigate at www.x.org"));
}

void TestRichTextBox::showDocumentTakesItOverWithTheCaret()
{
    RichTextBox box;
    box.resize(300, 200);
    box.show();
    std::unique_ptr<QTextDocument> first = LongDocument(20000);
    const int nearEnd = first->characterCount() - 10;
    const QPointer<QTextDocument> shown = first.get();
    const int before = box.contentGeneration();
    box.showDocument(std::move(first), nearEnd);
    QCOMPARE(box.document(), shown.data());
    QVERIFY(box.contentGeneration() != before);
    QCOMPARE(box.textCursor().position(), nearEnd);
    QCOMPARE(box.selLength(), 0);
    QCOMPARE(box.verticalScrollBar()->value(), 0);
    // The caret was placed without laying out the document up to it.
    QCOMPARE(shown->lastBlock().layout()->lineCount(), 0);
    QVERIFY(shown->firstBlock().layout()->lineCount() > 0);
    // Like the box's own document, it keeps no undo steps of the program's edits.
    QVERIFY(!shown->isUndoRedoEnabled());

    // The next one replaces it; the one before is gone.
    box.showDocument(LongDocument(3), 0);
    QVERIFY(shown.isNull());
    QVERIFY(box.text().startsWith(QLatin1String("Line 0 of")));
    QCOMPARE(box.selStart(), 0);
}

void TestRichTextBox::shownDocumentIsLaidOutInTheBackground()
{
    // The box lays a long document out in slices between events. The layout
    // must still reach the end, and the scroll bar must follow it there.
    RichTextBox box;
    box.resize(300, 200);
    box.show();
    box.showDocument(LongDocument(20000), 0);
    QTextDocument *doc = box.document();
    QTRY_VERIFY_WITH_TIMEOUT(doc->lastBlock().layout()->lineCount() > 0, 30000);
    const int height = int(doc->documentLayout()->documentSize().height());
    QVERIFY(height > 100000);
    QTRY_VERIFY(box.verticalScrollBar()->maximum() >= height - box.viewport()->height() - 10);
    QCOMPARE(box.verticalScrollBar()->value(), 0);
}

void TestRichTextBox::endOfALongDocumentWaitsForItsLayout()
{
    // Ctrl+End does not lay out the rest of the document at once: the caret
    // gets there when the layout in the background does. Another key in the
    // meantime takes its place.
    RichTextBox box;
    box.resize(300, 200);
    box.show();
    box.setFocus();
    box.showDocument(LongDocument(20000), 0);
    QTextDocument *doc = box.document();
    QTest::keyClick(&box, Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(doc->lastBlock().layout()->lineCount(), 0);
    QCOMPARE(box.textCursor().position(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(box.textCursor().position() == doc->characterCount() - 1, 30000);
    QCOMPARE(box.textCursor().anchor(), 0);

    box.showDocument(LongDocument(20000), 0);
    doc = box.document();
    QTest::keyClick(&box, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(&box, Qt::Key_Right);
    QTRY_VERIFY_WITH_TIMEOUT(doc->lastBlock().layout()->lineCount() > 0, 30000);
    QTest::qWait(50);
    QCOMPARE(box.textCursor().position(), 1);
}

void TestRichTextBox::nextDocumentStartsWithASmallSlice()
{
    // Slices are sized by what the paragraphs before cost. A document of empty
    // paragraphs makes them huge; the next document, of long paragraphs, must
    // still start with a small slice, not be laid out whole in one.
    RichTextBox box;
    box.resize(300, 200);
    box.show();
    auto empty = std::make_unique<QTextDocument>();
    QTextCursor(empty.get()).insertText(QString(100000, QLatin1Char('\n')));
    box.showDocument(std::move(empty), 0);
    QTRY_VERIFY_WITH_TIMEOUT(box.document()->lastBlock().layout()->lineCount() > 0, 30000);

    auto heavy = std::make_unique<QTextDocument>();
    const QString paragraph = QStringLiteral("words of a long paragraph ").repeated(120) + QLatin1Char('\n');
    QTextCursor(heavy.get()).insertText(paragraph.repeated(400));
    box.showDocument(std::move(heavy), 0);
    QTextDocument *doc = box.document();
    const auto laidOut = [doc] {
        int n = 0;
        while (n < doc->blockCount() && doc->findBlockByNumber(n).layout()->lineCount() > 0)
            ++n;
        return n;
    };
    const int shownAtOnce = laidOut();
    // Looked at after every pass of the event loop, so that what is counted is
    // the first slice, not the slices that follow it (each twice the last) in
    // the time a wait of a few milliseconds would let them run.
    QElapsedTimer waited;
    waited.start();
    while (laidOut() == shownAtOnce && waited.elapsed() < 30000)
        QCoreApplication::processEvents();
    QVERIFY(laidOut() > shownAtOnce);
    QVERIFY2(laidOut() < doc->blockCount() / 2, qPrintable(QString::number(laidOut())));
}

void TestRichTextBox::programEditsKeepNoUndoSteps()
{
    // Every edit the program makes (loading, colouring thousands of links)
    // would otherwise be kept for undo, in memory, for a box no one edits.
    veldra::richtext::RichTextBox box;
    const auto noUndo = [&box] {
        return !box.document()->isUndoRedoEnabled() && box.document()->availableUndoSteps() == 0;
    };
    QVERIFY(noUndo());
    QVERIFY(box.loadFile(writeFile(QStringLiteral("undo.rtf"), "{\\rtf1 {\\b www.a.org} text}")).ok());
    QVERIFY(noUndo());
    QVERIFY(box.loadFile(writeFile(QStringLiteral("undo.txt"), "plain www.b.org text")).ok());
    QVERIFY(noUndo());
    box.setText(QStringLiteral("www.c.org and www.d.org"));
    box.appendText(QStringLiteral("  "));
    box.setRangeLink(0, 9, true, QColor(Qt::blue));
    box.setRangeColor(14, 23, 0xFF0000);
    QCOMPARE(box.find(QStringLiteral("www.d"), 1), 14);
    box.setSelColor(0xFF0000);
    box.setSelLink(true);
    QVERIFY(noUndo());
}

QTEST_MAIN(TestRichTextBox)
#include "test_richtextbox.moc"
