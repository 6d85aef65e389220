#include "RtfTestUtil.h"

#include "rtf/RtfField.h"
#include "rtf/RtfPicture.h"
#include "rtf/RtfPictureFrame.h"
#include "rtf/RtfReader.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QTest>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>

// The RTF reader on small documents: code pages, Unicode, destinations,
// breaks, malformed input, and the formatting it keeps.
class TestRtfReader : public QObject
{
    Q_OBJECT
private slots:
    void text_data();
    void text();
    void notRtf();
    void deepNestingIsFlattenedNotFatal();
    void hugeParametersAreHarmless();
    void characterFormatting();
    void colours();
    void paragraphFormatting();
    void tabStops();
    void hyperlinkFieldSetsAnchor();
    void hyperlinkTarget_data();
    void hyperlinkTarget();
    void undoStaysAsItWas();
    void tableCellsAndWidths();
    void mergedCellsSpan();
    void longTableIsWrittenInParts();
    void hostileTablesStayBounded();
    void pictureSizes();
    void picturesPastTheLimitsAreFrames();
    void numberingFromPn_data();
    void numberingFromPn();
    void outlineLevelWithoutNumberHasNoLabel();
    void notesNumberedAfterTheText();
    void directionOnlyFromTheDocument();
};

void TestRtfReader::text_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");
    auto row = [](const char *name, const char *rtf, const QString &expected) {
        QTest::newRow(name) << QByteArray(rtf) << expected;
    };
    // code pages
    row("plain ascii", "{\\rtf1\\ansi Hello world}", QStringLiteral("Hello world"));
    row("ansicpg1251", "{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8}", QStringLiteral("При"));
    row("fcharset overrides ansicpg",
        "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset204 Arial;}}\\f0 \\'cf\\'f0\\'e8}", QStringLiteral("При"));
    row("fcharset0 is western in a 1251 document",
        "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset0 Arial;}{\\f1 Arial;}}\\f0 \\'e9\\f1 \\'e9}",
        QStringLiteral("éй"));
    row("font switch changes code page",
        "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset238 A;}{\\f1\\fcharset0 B;}}\\f0\\'9a{\\f1\\'9a}\\'9a}",
        QStringLiteral("ššš"));
    row("cpg on the font", "{\\rtf1\\ansi{\\fonttbl{\\f0\\cpg1253 A;}}\\f0\\'e1}", QStringLiteral("α"));
    row("dbcs 932 pairs", "{\\rtf1\\ansi\\ansicpg932 \\'82\\'a0\\'82\\'a2}", QStringLiteral("あい"));
    row("dbcs trail byte written plainly", "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset128 MS Gothic;}}\\f0\\'83o}",
        QStringLiteral("バ"));
    row("dbcs 936", "{\\rtf1\\ansi\\ansicpg936 \\'b2\\'e2\\'ca\\'d4}", QStringLiteral("测试"));
    row("dbcs 949", "{\\rtf1\\ansi\\ansicpg949 \\'c7\\'d1}", QStringLiteral("한"));
    row("dbcs 950", "{\\rtf1\\ansi\\ansicpg950 \\'a4\\'a4}", QStringLiteral("中"));
    row("mac roman", "{\\rtf1\\mac \\'8e\\'d5}", QStringLiteral("é’"));
    row("utf-8 code page", "{\\rtf1\\ansi\\ansicpg65001 \\'c3\\'a9\\'e2\\'82\\'ac}", QStringLiteral("é€"));
    row("unknown code page", "{\\rtf1\\ansi\\ansicpg99999 \\'e9}", QStringLiteral("é"));
    row("code page zero", "{\\rtf1\\ansi\\ansicpg0 Test\\'e9}", QStringLiteral("Testé"));
    row("raw 8-bit text byte", "{\\rtf1\\ansi\\ansicpg1251 \xcf}", QStringLiteral("П"));
    row("symbol font bullet", "{\\rtf1\\ansi{\\fonttbl{\\f2\\fcharset2 Symbol;}}{\\pntext\\f2\\'b7\\tab}Item}",
        QStringLiteral("•\tItem"));
    // Unicode
    row("u with one fallback", "{\\rtf1 a\\u8364?b}", QStringLiteral("a€b"));
    row("uc2 skips two hex bytes", "{\\rtf1\\uc2\\u8364\\'80\\'80x}", QStringLiteral("€x"));
    row("uc0 skips nothing", "{\\rtf1\\uc0\\u8364 x}", QStringLiteral("€x"));
    row("uc is scoped to its group", "{\\rtf1{\\uc2 a}\\u8364??}", QStringLiteral("a€?"));
    row("fallback control word counts once", "{\\rtf1\\u8364\\par x}", QStringLiteral("€x"));
    row("group end stops the skip", "{\\rtf1{\\uc3\\u8364 a}b}", QStringLiteral("€b"));
    row("digit fallback not doubled", "{\\rtf1\\u48 0 abc}", QStringLiteral("0 abc"));
    row("broken hex fallback", "{\\rtf1 x\\u345\\'3?x}", QStringLiteral("xřx"));
    row("negative u", "{\\rtf1\\u-3913?}", QString(QChar(0xF0B7)));
    row("surrogate pair", "{\\rtf1\\u-10179?\\u-9047?}", QStringLiteral("💩"));
    row("lone high surrogate", "{\\rtf1\\uc0\\u-10240 x}", QStringLiteral("\uFFFDx"));
    row("lone low surrogate", "{\\rtf1\\uc0\\u-9216 x}", QStringLiteral("\uFFFDx"));
    row("reversed pair", "{\\rtf1\\uc0\\u-9216\\u-10240 x}", QStringLiteral("\uFFFD\uFFFDx"));
    row("upr shows ud", "{\\rtf1{\\upr{ansi}{\\*\\ud{uni\\u233?}}}}", QStringLiteral("unié"));
    // destinations
    row("bin skips raw bytes", "{\\rtf1 a{\\object\\bin4 {}\\}}b}", QStringLiteral("ab"));
    row("bin in a picture is its data", "{\\rtf1 a{\\pict\\pngblip\\bin4 {}\\}}b}", QStringLiteral("a\uFFFCb"));
    row("bin in text", "{\\rtf1 a\\bin3 xyzb}", QStringLiteral("ab"));
    row("unknown star destination", "{\\rtf1 a{\\*\\foo hidden {nested}}b}", QStringLiteral("ab"));
    row("known skipped destinations",
        "{\\rtf1{\\info{\\title T}}{\\stylesheet{\\s0 Normal;}}{\\header H}{\\footer F}a"
        "{\\nonshppict{\\pict\\wmetafile8 0102}}{\\object{\\objdata 0102}}{\\nonesttables x}b}",
        QStringLiteral("ab"));
    row("field instruction hidden",
        "{\\rtf1{\\field{\\*\\fldinst{HYPERLINK \"http://x.org/\"}}{\\fldrslt{\\ul x.org}}}}", QStringLiteral("x.org"));
    row("field without inner group",
        "{\\rtf1 Before {\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt line1\\par line2}} after.}",
        QStringLiteral("Before line1\nline2 after."));
    row("nested page field",
        "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \\\\l \"a\"}{\\fldrslt{\\field{\\*\\fldinst PAGEREF a}"
        "{\\fldrslt 42}}}}}",
        QStringLiteral("42"));
    row("list text shown", "{\\rtf1{\\listtext 1.\\tab}One\\par{\\*\\pn\\pnlvlbody{\\pntxta .}}Two}",
        QStringLiteral("1.\tOne\n1.\tTwo"));
    row("hidden text", "{\\rtf1 a{\\v secret}b}", QStringLiteral("ab"));
    // characters and breaks
    row("control symbols", "{\\rtf1 a\\~b\\-c\\_d\\{\\}\\\\}", QStringLiteral("a\u00A0b\u00ADc\u2011d{}\\"));
    row("named characters", "{\\rtf1\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote\\tab}",
        QStringLiteral("—–•‘’“”\t"));
    row("control word ends at a digit-less letter run", "{\\rtf1\\b0Normal}", QStringLiteral("Normal"));
    row("paragraph breaks", "{\\rtf1 a\\par b\\line c\\sect d\\page e}", QStringLiteral("a\nb\u2028c\nd\ne"));
    row("backslash newline", "{\\rtf1 a\\\nb\\\r\nc}", QStringLiteral("a\nb\nc"));
    row("newlines in the source are not text", "{\\rtf1 a\r\nb\nc}", QStringLiteral("abc"));
    row("last paragraph mark dropped", "{\\rtf1 a\\par}", QStringLiteral("a"));
    row("empty last paragraph kept once", "{\\rtf1 a\\par\\par}", QStringLiteral("a\n"));
    row("table cells",
        "{\\rtf1\\trowd\\cellx1000\\cellx2000 a\\cell b\\cell\\row\\trowd c\\cell\\cell d\\cell\\row after}",
        QStringLiteral("a\tb\nc\t\td\nafter"));
    // A table at the start of the document or of a cell has an empty paragraph
    // before it, and every table one after it: Qt's tables sit between blocks.
    row("an unterminated nested row is kept",
        "{\\rtf1\\pard\\intbl\\itap2 in\\nestcell{\\*\\nesttableprops\\trowd\\nestrow}out\\cell\\row}",
        QStringLiteral("\n\nin\nout\n\n"));
    // malformed input
    row("text after the final brace", "{\\rtf1 a}b", QStringLiteral("a"));
    row("extra closing brace", "{\\rtf1 a}}b", QStringLiteral("a"));
    row("truncated", "{\\rtf1 {\\b abc", QStringLiteral("abc"));
    row("truncated control word", "{\\rtf1 abc\\", QStringLiteral("abc"));
    row("truncated hex", "{\\rtf1 abc\\'4", QStringLiteral("abc"));
    row("truncated bin", "{\\rtf1 abc\\bin99 x", QStringLiteral("abc"));
    row("overlong control word", "{\\rtf1 a\\abcdefghijklmnopqrstuvwxyzabcdefghijklmnop b}", QStringLiteral("ab"));
    row("star destination at top level not fatal", "{\\rtf1\\*\\foo a}", QStringLiteral("a"));
    row("line ends written as characters", "{\\rtf1 a\\'0db\\u10?c\\u8233?d\\'00\\u1?\\'09e}",
        QStringLiteral("a\nb\nc\nd\te"));
    row("nul and control bytes", QByteArray("{\\rtf1 a\0\x01\x02 b}", 13).constData(), QStringLiteral("a"));
}

void TestRtfReader::text()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QCOMPARE(RtfText(rtf), expected);
}

void TestRtfReader::notRtf()
{
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("old"));
    QVERIFY(!veldra::rtf::ReadRtf("plain text", &doc));
    QVERIFY(doc.isEmpty());
    QVERIFY(veldra::rtf::ReadRtf("{\\rtf", &doc));
    QVERIFY(doc.isEmpty());
}

void TestRtfReader::deepNestingIsFlattenedNotFatal()
{
    const int depth = 200000;
    QByteArray rtf = "{\\rtf1 ";
    rtf += QByteArray(depth, '{') + "{\\b x}" + QByteArray(depth, '}') + "y}";
    QElapsedTimer t;
    t.start();
    QTextDocument doc;
    veldra::rtf::ReadRtf(rtf, &doc);
    QCOMPARE(BlockText(doc), QStringLiteral("xy"));
    QVERIFY2(t.elapsed() < 10000, "deep nesting is read in linear time");
    // Within the kept depth formatting is still scoped to its group.
    QVERIFY(!FormatAt(doc, 1).font().bold());
}

void TestRtfReader::hugeParametersAreHarmless()
{
    QTextDocument doc;
    veldra::rtf::ReadRtf("{\\rtf1\\fs99999999999999\\li-99999999999\\fi2147483648\\u99999999999 a\\uc-5\\u65 b"
                         "\\cf99999\\highlight-4\\f-2147483649 c}",
                         &doc);
    QVERIFY(BlockText(doc).contains(QLatin1Char('c')));
}

void TestRtfReader::characterFormatting()
{
    QTextDocument doc;
    veldra::rtf::ReadRtf(
        "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}\\deff0\\fs20 n{\\b b\\b0 n}{\\i i}{\\ul u\\ulnone n}"
        "{\\strike s}{\\super p}{\\sub d\\nosupersub n}{\\f1\\fs40 C}{\\b\\i\\plain r}}",
        &doc);
    QCOMPARE(BlockText(doc), QStringLiteral("nbniunspdnCr"));
    struct Expect {
        int pos;
        bool bold, italic, underline, strike;
        QTextCharFormat::VerticalAlignment valign;
        qreal size;
    };
    const Expect expects[] = {
        {0, false, false, false, false, QTextCharFormat::AlignNormal, 10},
        {1, true, false, false, false, QTextCharFormat::AlignNormal, 10},
        {2, false, false, false, false, QTextCharFormat::AlignNormal, 10},
        {3, false, true, false, false, QTextCharFormat::AlignNormal, 10},
        {4, false, false, true, false, QTextCharFormat::AlignNormal, 10},
        {5, false, false, false, false, QTextCharFormat::AlignNormal, 10},
        {6, false, false, false, true, QTextCharFormat::AlignNormal, 10},
        {7, false, false, false, false, QTextCharFormat::AlignSuperScript, 10},
        {8, false, false, false, false, QTextCharFormat::AlignSubScript, 10},
        {9, false, false, false, false, QTextCharFormat::AlignNormal, 10},
        {10, false, false, false, false, QTextCharFormat::AlignNormal, 20},
        {11, false, false, false, false, QTextCharFormat::AlignNormal, 12}, // \plain: 12 points
    };
    for (const Expect &e : expects) {
        const QTextCharFormat f = FormatAt(doc, e.pos);
        const QByteArray where = "at " + QByteArray::number(e.pos);
        QVERIFY2(f.font().bold() == e.bold, where);
        QVERIFY2(f.fontItalic() == e.italic, where);
        QVERIFY2(f.fontUnderline() == e.underline, where);
        QVERIFY2(f.fontStrikeOut() == e.strike, where);
        QVERIFY2(f.verticalAlignment() == e.valign, where);
        QVERIFY2(qFuzzyCompare(f.fontPointSize(), e.size), where);
    }
    QCOMPARE(FormatAt(doc, 10).fontFamilies().toStringList(), QStringList{QStringLiteral("Courier New")});
    QCOMPARE(FormatAt(doc, 11).fontFamilies().toStringList(), QStringList{QStringLiteral("Arial")});
    veldra::rtf::ReadRtf("{\\rtf1 a{\\caps b}{\\scaps c\\scaps0 d}}", &doc);
    QCOMPARE(BlockText(doc), QStringLiteral("abcd")); // the text keeps its letters
    QCOMPARE(FormatAt(doc, 0).fontCapitalization(), QFont::MixedCase);
    QCOMPARE(FormatAt(doc, 1).fontCapitalization(), QFont::AllUppercase);
    QCOMPARE(FormatAt(doc, 2).fontCapitalization(), QFont::SmallCaps);
    QCOMPARE(FormatAt(doc, 3).fontCapitalization(), QFont::MixedCase);
}

void TestRtfReader::colours()
{
    QTextDocument doc;
    veldra::rtf::ReadRtf(
        "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}a{\\cf1 r}{\\cf2\\highlight1 b}"
        "{\\cf1\\cf0 z}{\\cb2 c}{\\cf9 n}}",
        &doc);
    QCOMPARE(BlockText(doc), QStringLiteral("arbzcn"));
    QVERIFY(!FormatAt(doc, 0).hasProperty(QTextFormat::ForegroundBrush));
    QCOMPARE(FormatAt(doc, 1).foreground().color(), QColor(Qt::red));
    QCOMPARE(FormatAt(doc, 2).foreground().color(), QColor(Qt::blue));
    QCOMPARE(FormatAt(doc, 2).background().color(), QColor(Qt::red));
    QVERIFY(!FormatAt(doc, 3).hasProperty(QTextFormat::ForegroundBrush)); // \cf0 is "auto"
    QCOMPARE(FormatAt(doc, 4).background().color(), QColor(Qt::blue));
    QVERIFY(!FormatAt(doc, 5).hasProperty(QTextFormat::ForegroundBrush)); // no such entry
}

void TestRtfReader::paragraphFormatting()
{
    QTextDocument doc;
    veldra::rtf::ReadRtf(
        "{\\rtf1\\pard\\qc c\\par\\pard\\qr\\li1440\\ri720\\fi-360\\sb240\\sa120 r\\par\\pard\\qj j\\par\\pard l}",
        &doc);
    QCOMPARE(doc.blockCount(), 4);
    QCOMPARE(doc.findBlockByNumber(0).blockFormat().alignment(), Qt::AlignHCenter);
    const QTextBlockFormat r = doc.findBlockByNumber(1).blockFormat();
    QCOMPARE(r.alignment(), Qt::AlignRight);
    QCOMPARE(r.leftMargin(), 96.0);
    QCOMPARE(r.rightMargin(), 48.0);
    QCOMPARE(r.textIndent(), -24.0);
    QCOMPARE(r.topMargin(), 16.0);
    QCOMPARE(r.bottomMargin(), 8.0);
    QCOMPARE(doc.findBlockByNumber(2).blockFormat().alignment(), Qt::AlignJustify);
    QCOMPARE(doc.findBlockByNumber(3).blockFormat().alignment(), Qt::AlignLeft);
    QCOMPARE(doc.findBlockByNumber(3).blockFormat().leftMargin(), 0.0);
    QVERIFY(doc.findBlockByNumber(3).blockFormat().tabPositions().isEmpty());
}

void TestRtfReader::tabStops()
{
    QTextDocument doc;
    // Stops count from the margin; Qt's from where the first line starts.
    veldra::rtf::ReadRtf("{\\rtf1\\pard\\tx720\\tqr\\tx4320\\tqc\\tx2880 a\\tab b\\par"
                         "\\pard\\li1440\\fi-720\\tx360\\tx2160 c\\par\\pard\\tqdec\\tx1440 d}",
                         &doc);
    using Tab = QTextOption::Tab;
    QCOMPARE(
        doc.findBlockByNumber(0).blockFormat().tabPositions(),
        (QList<Tab>{Tab(48, QTextOption::LeftTab), Tab(192, QTextOption::CenterTab), Tab(288, QTextOption::RightTab)}));
    // A stop left of the first line is dropped; the hanging indent adds one.
    QCOMPARE(doc.findBlockByNumber(1).blockFormat().tabPositions(),
             (QList<Tab>{Tab(48, QTextOption::LeftTab), Tab(96, QTextOption::LeftTab)}));
    const QList<Tab> decimal = doc.findBlockByNumber(2).blockFormat().tabPositions();
    QCOMPARE(decimal.size(), 1);
    QCOMPARE(decimal.first().type, QTextOption::DelimiterTab);
}

void TestRtfReader::hyperlinkFieldSetsAnchor()
{
    QTextDocument doc;
    veldra::rtf::ReadRtf("{\\rtf1 See {\\field{\\*\\fldinst{HYPERLINK \"http://example.org/a\" \\\\o \"tip\"}}"
                         "{\\fldrslt{\\ul\\cf1 the site}}} now.}",
                         &doc);
    QCOMPARE(BlockText(doc), QStringLiteral("See the site now."));
    const int at = PositionOf(doc, QStringLiteral("the site"));
    QVERIFY(!FormatAt(doc, at - 1).isAnchor());
    for (int p = at; p < at + 8; ++p) {
        QVERIFY(FormatAt(doc, p).isAnchor());
        QCOMPARE(FormatAt(doc, p).anchorHref(), QStringLiteral("http://example.org/a"));
    }
    QVERIFY(!FormatAt(doc, at + 8).isAnchor());
}

void TestRtfReader::hyperlinkTarget_data()
{
    QTest::addColumn<QString>("instruction");
    QTest::addColumn<QString>("target");
    QTest::newRow("quoted") << QStringLiteral(" HYPERLINK \"http://a.org/\" ") << QStringLiteral("http://a.org/");
    QTest::newRow("unquoted") << QStringLiteral("HYPERLINK http://a.org/") << QStringLiteral("http://a.org/");
    QTest::newRow("lower case") << QStringLiteral("hyperlink \"x\"") << QStringLiteral("x");
    QTest::newRow("bookmark only") << QStringLiteral("HYPERLINK \\l \"mark\"") << QStringLiteral("#mark");
    QTest::newRow("address and bookmark")
        << QStringLiteral("HYPERLINK \"a.rtf\" \\l \"m\"") << QStringLiteral("a.rtf#m");
    QTest::newRow("switches with arguments")
        << QStringLiteral("HYPERLINK \\o \"tip\" \\t \"_blank\" \\h \"u\"") << QStringLiteral("u");
    QTest::newRow("doubled backslashes in a path")
        << QStringLiteral("HYPERLINK \"C:\\\\docs\\\\a.doc\"") << QStringLiteral("C:\\docs\\a.doc");
    QTest::newRow("mailto") << QStringLiteral("HYPERLINK \"mailto:a@b.c?subject=x y\"")
                            << QStringLiteral("mailto:a@b.c?subject=x y");
    QTest::newRow("other field") << QStringLiteral("PAGEREF _Toc1 \\h") << QString();
    QTest::newRow("unterminated quote") << QStringLiteral("HYPERLINK \"http://a") << QStringLiteral("http://a");
    QTest::newRow("empty") << QString() << QString();
}

void TestRtfReader::hyperlinkTarget()
{
    QFETCH(QString, instruction);
    QFETCH(QString, target);
    QCOMPARE(veldra::rtf::HyperlinkTarget(instruction), target);
}

void TestRtfReader::undoStaysAsItWas()
{
    QTextDocument doc;
    doc.setUndoRedoEnabled(true);
    veldra::rtf::ReadRtf("{\\rtf1 a\\par b}", &doc);
    QVERIFY(doc.isUndoRedoEnabled());
    QVERIFY(!doc.isUndoAvailable());
}

namespace
{

QTextTable *FirstTable(QTextDocument &doc)
{
    for (QTextFrame *f : doc.rootFrame()->childFrames())
        if (auto *t = qobject_cast<QTextTable *>(f))
            return t;
    return nullptr;
}

QByteArray Hex(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toHex();
}

QList<QTextImageFormat> Pictures(const QTextDocument &doc)
{
    QList<QTextImageFormat> out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (QTextBlock::iterator it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().text().contains(QChar::ObjectReplacementCharacter))
                out << it.fragment().charFormat().toImageFormat();
    return out;
}

} // namespace

void TestRtfReader::tableCellsAndWidths()
{
    QTextDocument doc;
    veldra::rtf::ReadRtf(
        "{\\rtf1 before\\par\\trowd\\trgaph60\\cellx1500\\cellx4500\\pard\\intbl a\\cell b\\par c\\cell\\row"
        "\\trowd\\cellx1500\\cellx4500\\pard\\intbl\\qc d\\cell e\\par\\cell\\row\\pard after}",
        &doc);
    QTextTable *t = FirstTable(doc);
    QVERIFY(t);
    QCOMPARE(t->rows(), 2);
    QCOMPARE(t->columns(), 2);
    QCOMPARE(CellTexts(t->cellAt(0, 0)), QStringList{QStringLiteral("a")});
    QCOMPARE(CellTexts(t->cellAt(0, 1)), (QStringList{QStringLiteral("b"), QStringLiteral("c")}));
    // A paragraph mark just before the end of a cell stays in the cell.
    QCOMPARE(CellTexts(t->cellAt(1, 1)), QStringList{QStringLiteral("e")});
    QCOMPARE(t->cellAt(1, 0).firstCursorPosition().blockFormat().alignment(), Qt::AlignHCenter);
    const QList<QTextLength> widths = t->format().columnWidthConstraints();
    QCOMPARE(widths.size(), 2);
    QCOMPARE(widths.at(0).rawValue(), 100.0);
    QCOMPARE(widths.at(1).rawValue(), 200.0);
    QCOMPARE(t->cellAt(0, 0).format().toTableCellFormat().leftPadding(), 4.0);
    // The table follows the paragraph before it directly.
    QCOMPARE(BlockText(doc), QStringLiteral("before\na\nb\nc\nd\ne\nafter"));
}

void TestRtfReader::mergedCellsSpan()
{
    QTextDocument doc;
    // Row 1: a wide cell over two columns, then one cell; row 2: three cells,
    // the first joined to the one above, the second shaded.
    veldra::rtf::ReadRtf(
        "{\\rtf1{\\colortbl;\\red255\\green255\\blue0;}"
        "\\trowd\\clvmgf\\cellx1000\\clmgf\\cellx2000\\clmrg\\cellx3000\\cellx4000\\pard\\intbl "
        "top\\cell wide\\cell\\cell last\\cell\\row"
        "\\trowd\\clvmrg\\cellx1000\\clcbpat1\\clvertalc\\clbrdrb\\brdrs\\brdrw30\\cellx2000\\cellx3000"
        "\\cellx4000\\pard\\intbl\\cell x\\cell y\\cell z\\cell\\row}",
        &doc);
    QTextTable *t = FirstTable(doc);
    QVERIFY(t);
    QCOMPARE(t->rows(), 2);
    QCOMPARE(t->columns(), 4);
    QCOMPARE(t->cellAt(0, 0).rowSpan(), 2);
    QCOMPARE(t->cellAt(0, 1).columnSpan(), 2);
    QCOMPARE(CellTexts(t->cellAt(0, 1)).first(), QStringLiteral("wide"));
    QCOMPARE(CellTexts(t->cellAt(0, 3)), QStringList{QStringLiteral("last")});
    const QTextTableCellFormat x = t->cellAt(1, 1).format().toTableCellFormat();
    QCOMPARE(x.background().color(), QColor(Qt::yellow));
    QCOMPARE(x.verticalAlignment(), QTextCharFormat::AlignMiddle);
    QCOMPARE(x.bottomBorder(), 2.0);
    QCOMPARE(x.topBorder(), 0.0);
    QCOMPARE(CellTexts(t->cellAt(1, 3)), QStringList{QStringLiteral("z")});
}

void TestRtfReader::longTableIsWrittenInParts()
{
    QByteArray rtf = "{\\rtf1 ";
    for (int r = 0; r < 300; ++r)
        rtf += "\\trowd\\cellx2000\\pard\\intbl row" + QByteArray::number(r) + "\\cell\\row";
    rtf += "\\pard end}";
    QTextDocument doc;
    veldra::rtf::ReadRtf(rtf, &doc);
    QList<QTextTable *> tables;
    for (QTextFrame *f : doc.rootFrame()->childFrames())
        tables << qobject_cast<QTextTable *>(f);
    QCOMPARE(tables.size(), 2);
    QCOMPARE(tables.at(0)->rows(), 256);
    QCOMPARE(tables.at(1)->rows(), 44);
    QCOMPARE(CellTexts(tables.at(1)->cellAt(43, 0)), QStringList{QStringLiteral("row299")});
}

void TestRtfReader::hostileTablesStayBounded()
{
    QByteArray rtf = "{\\rtf1\\trowd";
    for (int c = 0; c < 200; ++c)
        rtf += "\\cellx" + QByteArray::number(c % 3 ? 100000 * c : -c);
    rtf += "\\pard\\intbl\\itap9999 ";
    for (int c = 0; c < 100; ++c)
        rtf += "c\\nestcell ";
    rtf += "\\nestrow\\pard\\intbl x\\cell\\row}";
    QTextDocument doc;
    veldra::rtf::ReadRtf(rtf, &doc);
    QTextTable *t = FirstTable(doc);
    QVERIFY(t);
    QVERIFY(t->columns() <= 64);
    // Tables nest eight deep at most; the text is all there.
    int depth = 0;
    for (QTextFrame *f = t; f; f = f->childFrames().value(0))
        ++depth;
    QVERIFY2(depth <= 8, qPrintable(QString::number(depth)));
    QCOMPARE(BlockText(doc).count(QLatin1Char('c')), 100);
}

void TestRtfReader::pictureSizes()
{
    QImage red(40, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    QImage blue(30, 30, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    blue.save(&buffer, "JPEG");
    QTextDocument doc;
    veldra::rtf::ReadRtf("{\\rtf1 a{\\pict\\pngblip\\picw40\\pich20\\picwgoal1200\\pichgoal600\\picscalex50 " +
                             Hex(red, "PNG") + "}b{\\pict\\jpegblip\\bin" + QByteArray::number(jpeg.size()) + " " +
                             jpeg + "}c{\\pict\\pngblip " + Hex(red, "PNG") +
                             "}{\\pict\\emfblip\\picw2540\\pich1270 0102}}",
                         &doc);
    QCOMPARE(BlockText(doc), QStringLiteral("a\uFFFCb\uFFFCc\uFFFC\uFFFC"));
    const QList<QTextImageFormat> p = Pictures(doc);
    QCOMPARE(p.size(), 4);
    // The goal size, scaled: 1200 twips at 50 % is 40 pixels.
    QCOMPARE(QSizeF(p[0].width(), p[0].height()), QSizeF(40, 40));
    QCOMPARE(doc.resource(QTextDocument::ImageResource, QUrl(p[0].name())).value<QImage>().pixelColor(5, 5),
             QColor(Qt::red));
    // Without a goal: the picture's own pixels.
    QCOMPARE(QSizeF(p[1].width(), p[1].height()), QSizeF(30, 30));
    QVERIFY(p[1].isImageFormat());
    QCOMPARE(QSizeF(p[2].width(), p[2].height()), QSizeF(40, 20));
    // A metafile is a frame of its size: 2540 hundredths of a millimetre is an inch.
    QCOMPARE(p[3].objectType(), int(veldra::rtf::RtfPictures::kFrameObject));
    QCOMPARE(QSizeF(p[3].width(), p[3].height()), QSizeF(96, 48));
    // Read again into the same document: one frame handler, whatever came before.
    veldra::rtf::ReadRtf("{\\rtf1{\\pict\\wmetafile8\\picw100\\pich100 01}}", &doc);
    QCOMPARE(doc.findChildren<veldra::rtf::RtfPictureFrame *>().size(), 1);
}

void TestRtfReader::picturesPastTheLimitsAreFrames()
{
    // 25 megapixels of one colour: small as a file, too large to decode.
    QImage huge(5000, 5000, QImage::Format_Mono);
    huge.fill(0);
    QTextDocument doc;
    QElapsedTimer t;
    t.start();
    veldra::rtf::ReadRtf("{\\rtf1{\\pict\\pngblip\\picwgoal1500\\pichgoal1500 " + Hex(huge, "PNG") +
                             "}{\\pict\\pngblip\\picwgoal99999999\\pichgoal-7\\picscalex99999 0102}"
                             "{\\pict\\jpegblip\\bin2147483647 xx}}",
                         &doc);
    const QList<QTextImageFormat> p = Pictures(doc);
    QCOMPARE(p.size(), 3);
    for (const QTextImageFormat &f : p) {
        QCOMPARE(f.objectType(), int(veldra::rtf::RtfPictures::kFrameObject));
        QVERIFY(f.width() >= 1 && f.width() <= 2112 && f.height() >= 1 && f.height() <= 2112);
    }
    QCOMPARE(QSizeF(p[0].width(), p[0].height()), QSizeF(100, 100));
    QVERIFY(t.elapsed() < 5000);
}

void TestRtfReader::numberingFromPn_data()
{
    QTest::addColumn<QByteArray>("pn");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("decimal") << QByteArray("\\pnlvlbody\\pndec{\\pntxta .}")
                             << QStringList{QStringLiteral("1."), QStringLiteral("2."), QStringLiteral("1.")};
    QTest::newRow("upper roman from 4") << QByteArray("\\pnlvlbody\\pnucrm\\pnstart4{\\pntxta )}")
                                        << QStringList{QStringLiteral("IV)"), QStringLiteral("V)"),
                                                       QStringLiteral("IV)")};
    QTest::newRow("letters in brackets") << QByteArray("\\pnlvlbody\\pnlcltr{\\pntxtb (}{\\pntxta )}")
                                         << QStringList{QStringLiteral("(a)"), QStringLiteral("(b)"),
                                                        QStringLiteral("(a)")};
    QTest::newRow("symbol bullet") << QByteArray("\\pnlvlblt\\pnf1{\\pntxtb \\'b7}")
                                   << QStringList{QStringLiteral("•"), QStringLiteral("•"), QStringLiteral("•")};
}

void TestRtfReader::numberingFromPn()
{
    QFETCH(QByteArray, pn);
    QFETCH(QStringList, labels);
    // Two numbered paragraphs, a plain one, and a numbered one again.
    const QByteArray item = "{\\*\\pn" + pn + "}";
    QTextDocument doc;
    veldra::rtf::ReadRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}\\pard" + item + "one\\par\\pard" +
                             item + "two\\par\\pard plain\\par\\pard" + item + "three}",
                         &doc);
    QCOMPARE(BlockText(doc), labels.at(0) + QStringLiteral("\tone\n") + labels.at(1) +
                                 QStringLiteral("\ttwo\nplain\n") + labels.at(2) + QStringLiteral("\tthree"));
}

void TestRtfReader::outlineLevelWithoutNumberHasNoLabel()
{
    QTextDocument doc;
    // Level 0 numbers "1)", level 1 has no number: its label text is a lone tab.
    veldra::rtf::ReadRtf(
        "{\\rtf1{\\*\\listtable{\\list{\\listlevel\\levelnfc0{\\leveltext\\'02\\'00);}}"
        "{\\listlevel\\levelnfc255{\\leveltext\\'00;}}\\listid5}}"
        "{\\*\\listoverridetable{\\listoverride\\listid5\\ls2}}"
        "\\pard\\ls2 Heading\\par{\\listtext\\tab}\\pard\\ls2\\ilvl1 Sub\\par{\\listtext  }\\pard\\ls2 Next}",
        &doc);
    QCOMPARE(BlockText(doc), QStringLiteral("1)\tHeading\nSub\n2)\tNext"));
}

void TestRtfReader::notesNumberedAfterTheText()
{
    QTextDocument doc;
    veldra::rtf::ReadRtf("{\\rtf1\\aftnnrlc\\ftnstart3 a{\\super\\chftn}{\\footnote\\pard{\\super\\chftn} F1}"
                         " b\\chftn{\\footnote\\ftnalt\\pard\\chftn\\tab E1}"
                         " c\\chftn{\\footnote\\pard no mark}\\par end}",
                         &doc);
    QCOMPARE(BlockText(doc), QStringLiteral("a3 bi c4\nend\n\n3 F1\n4 no mark\n\ni\tE1"));
    const int mark = PositionOf(doc, QStringLiteral("3 b"));
    QCOMPARE(FormatAt(doc, mark).verticalAlignment(), QTextCharFormat::AlignSuperScript);
    QVERIFY(!FormatAt(doc, mark + 2).verticalAlignment());
    // Each group of notes has its rule.
    int rules = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        rules += b.blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth) ? 1 : 0;
    QCOMPARE(rules, 2);
}

void TestRtfReader::directionOnlyFromTheDocument()
{
    QTextDocument doc;
    veldra::rtf::ReadRtf(
        "{\\rtf1\\pard \\u1605?\\u1585?\\par\\pard\\rtlpar\\qr \\u1605?\\u1585?\\par\\pard\\rtlpar\\ltrpar x}", &doc);
    const QTextBlockFormat arabic = doc.findBlockByNumber(0).blockFormat();
    QCOMPARE(arabic.layoutDirection(), Qt::LeftToRight);
    QCOMPARE(arabic.alignment(), Qt::AlignLeft);
    const QTextBlockFormat rtl = doc.findBlockByNumber(1).blockFormat();
    QCOMPARE(rtl.layoutDirection(), Qt::RightToLeft);
    QCOMPARE(rtl.alignment(), Qt::AlignRight | Qt::AlignAbsolute);
    QCOMPARE(doc.findBlockByNumber(2).blockFormat().layoutDirection(), Qt::LeftToRight);
}

QTEST_MAIN(TestRtfReader)
#include "test_rtfreader.moc"
