#include "platform/RichTextBox.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QPixmap>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

using veldra::platform::PointerKind;
using veldra::platform::RichTextBox;

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
    void mousePointerKinds();
    void programEditsKeepNoUndoSteps();

private:
    QString writeFile(const QString &name, const QByteArray &data);
    QTemporaryDir m_dir;
};

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

void TestRichTextBox::programEditsKeepNoUndoSteps()
{
    // Every edit the program makes (loading, colouring thousands of links)
    // would otherwise be kept for undo, in memory, for a box no one edits.
    veldra::platform::RichTextBox box;
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
