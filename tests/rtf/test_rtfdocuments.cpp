#include "RtfTestUtil.h"

#include "richtext/RichTextBox.h"

#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

#include <QTextFrame>
#include <QTextTable>
#include <algorithm>

using veldra::richtext::RichTextBox;

// Documents in the style of the word processors that write the news: Word with
// its tables, lists, fields, pictures and headers; WordPad with East Asian
// code pages; TextEdit with its own paragraph ends. Text and basic formatting.
// Then the same documents as three real writers wrote them (data/writers, see
// its README): tables, pictures, lists, notes, line breaks, rules and
// direction, checked against what LibreOffice shows for each file.
class TestRtfDocuments : public QObject
{
    Q_OBJECT
private slots:
    void wordDocument();
    void wordPadCodePages();
    void textEditDocument();
    void tablesFromWriters_data();
    void tablesFromWriters();
    void picturesFromWriters_data();
    void picturesFromWriters();
    void listsFromWriters_data();
    void listsFromWriters();
    void notesFromWriters_data();
    void notesFromWriters();
    void breaksRulesAndDirectionFromWriters_data();
    void breaksRulesAndDirectionFromWriters();

private:
    static bool load(RichTextBox &box, const char *name);
    static QTextCharFormat formatAt(RichTextBox &box, const QString &what, int offset = 0);
};

bool TestRtfDocuments::load(RichTextBox &box, const char *name)
{
    return box.loadFile(QStringLiteral(VELDRA_TESTS_DIR "/rtf/data/") + QLatin1String(name)).ok();
}

// Format of a character of the first occurrence of `what`.
QTextCharFormat TestRtfDocuments::formatAt(RichTextBox &box, const QString &what, int offset)
{
    const QTextCursor found = box.document()->find(what, 0, QTextDocument::FindCaseSensitively);
    if (found.isNull())
        return QTextCharFormat();
    QTextCursor c(box.document());
    c.setPosition(found.selectionStart() + offset + 1);
    return c.charFormat();
}

void TestRtfDocuments::wordDocument()
{
    RichTextBox box;
    QVERIFY(load(box, "word-news.rtf"));
    const QStringList lines = box.text().split(QStringLiteral("\r\n"));
    const QStringList expected = {
        QStringLiteral("Veldra News"),
        QStringLiteral("Version 2.0 brings bold, italic and red text, highlighted words and a price: 12\u00A0€.1"),
        QStringLiteral("Russian: Привет, Czech: Český, Japanese: 日本語"),
        QStringLiteral("•\tFirst point"),
        QStringLiteral("•\tSecond point"),
        QStringLiteral("Read more on the project page."),
        QStringLiteral("Product"),
        QStringLiteral("Price"),
        QStringLiteral("Reader"),
        QStringLiteral("€ 10"),
        QStringLiteral("Logo: \uFFFC end of news."),
        QString(), // the rule above the notes
        QStringLiteral("1 Footnote text."),
    };
    QCOMPARE(lines, expected);
    // Header, footer, field codes, style sheet, the pictures' data and the
    // document's hidden tables show nothing.
    for (const char *hidden : {"Header", "Page", "HYPERLINK", "Normal", "Editor", "89504e47", "504b03"})
        QVERIFY2(!box.text().contains(QLatin1String(hidden)), hidden);
    // The table: two rows of two cells, as wide as their \cellx say.
    const auto *table = qobject_cast<QTextTable *>(box.document()->rootFrame()->childFrames().value(0));
    QVERIFY(table);
    QCOMPARE(table->rows(), 2);
    QCOMPARE(table->columns(), 2);
    QCOMPARE(table->format().columnWidthConstraints().value(0).rawValue(), (4423 + 108) / 15.0);
    QCOMPARE(table->cellAt(1, 1).firstCursorPosition().block().text(), QStringLiteral("€ 10"));
    QCOMPARE(table->cellAt(0, 0).format().toTableCellFormat().topBorder(), 1.0);

    const QTextCharFormat title = formatAt(box, QStringLiteral("Veldra News"));
    QVERIFY(title.font().bold());
    QCOMPARE(title.fontPointSize(), 16.0);
    QCOMPARE(title.foreground().color(), QColor(0, 0, 255));
    QCOMPARE(title.fontFamilies().toStringList(), QStringList{QStringLiteral("Arial")});
    QCOMPARE(box.document()->firstBlock().blockFormat().alignment(), Qt::AlignHCenter);
    QCOMPARE(box.document()->firstBlock().next().blockFormat().alignment(), Qt::AlignJustify);

    QVERIFY(formatAt(box, QStringLiteral("bold")).font().bold());
    QVERIFY(!formatAt(box, QStringLiteral(", italic")).font().bold());
    QVERIFY(formatAt(box, QStringLiteral("italic")).fontItalic());
    QCOMPARE(formatAt(box, QStringLiteral("red")).foreground().color(), QColor(255, 0, 0));
    QCOMPARE(formatAt(box, QStringLiteral("highlighted")).background().color(), QColor(255, 255, 0));
    QCOMPARE(formatAt(box, QStringLiteral("words")).background().style(), Qt::NoBrush);
    QCOMPARE(formatAt(box, QStringLiteral("Russian")).fontPointSize(), 11.0);

    const QTextCharFormat link = formatAt(box, QStringLiteral("the project page"), 4);
    QVERIFY(link.isAnchor());
    QCOMPARE(link.anchorHref(), QStringLiteral("http://www.example.org/veldra"));
    QVERIFY(link.fontUnderline());
    QCOMPARE(link.foreground().color(), QColor(5, 99, 193));
    const int linkIndex = int(box.text().indexOf(QStringLiteral("the project page")));
    QVERIFY(box.isLinkAt(linkIndex) && box.isLinkAt(linkIndex + 15) && !box.isLinkAt(linkIndex + 16));

    const QTextBlock bullet = box.document()->findBlockByNumber(3);
    QCOMPARE(bullet.blockFormat().leftMargin(), 48.0);
    QCOMPARE(bullet.blockFormat().textIndent(), -24.0);
    // The text after the marker starts where the item's other lines would.
    QCOMPARE(bullet.blockFormat().tabPositions().value(0).position, 24.0);
    // The bullet, read from the Symbol font, is shown in an ordinary font.
    QVERIFY(!formatAt(box, QStringLiteral("•")).fontFamilies().toStringList().contains(QStringLiteral("Symbol")));
    QVERIFY(formatAt(box, QStringLiteral("Product")).font().bold());
    QVERIFY(!formatAt(box, QStringLiteral("Reader")).font().bold());
}

void TestRtfDocuments::wordPadCodePages()
{
    RichTextBox box;
    QVERIFY(load(box, "wordpad-cjk.rtf"));
    QCOMPARE(box.text(), QStringLiteral("Tokyo: 東京 (Shift-JIS)\r\nBeijing: 北京 (GBK)\r\nAthens: Αθήνα\r\n"
                                        "Blue bold and red italic, marked.\r\nこんにちは"));
    const QTextCharFormat blue = formatAt(box, QStringLiteral("Blue bold"));
    QVERIFY(blue.font().bold());
    QCOMPARE(blue.foreground().color(), QColor(0, 77, 187));
    const QTextCharFormat red = formatAt(box, QStringLiteral("red italic"));
    QVERIFY(red.fontItalic() && !red.font().bold());
    QCOMPARE(red.foreground().color(), QColor(192, 80, 77));
    QVERIFY(!formatAt(box, QStringLiteral(", marked")).fontItalic());
    QCOMPARE(formatAt(box, QStringLiteral("marked")).background().color(), QColor(192, 80, 77));
    QCOMPARE(formatAt(box, QStringLiteral("東京")).fontFamilies().toStringList(),
             QStringList{QStringLiteral("MS Gothic")});
    QCOMPARE(box.document()->lastBlock().blockFormat().alignment(), Qt::AlignHCenter);
}

void TestRtfDocuments::textEditDocument()
{
    RichTextBox box;
    QVERIFY(load(box, "textedit-mac.rtf"));
    QCOMPARE(box.text(),
             QStringLiteral("Release notes\r\nCafé menu – naïve résumé\r\nRed line\r\nnews@example.org\r\n€ 2,50"));
    const QTextCharFormat title = formatAt(box, QStringLiteral("Release"));
    QVERIFY(title.font().bold());
    QCOMPARE(title.fontPointSize(), 14.0);
    QVERIFY(!formatAt(box, QStringLiteral("Café")).font().bold());
    QCOMPARE(formatAt(box, QStringLiteral("Red line")).foreground().color(), QColor(251, 2, 7));
    QCOMPARE(formatAt(box, QStringLiteral("news@")).anchorHref(), QStringLiteral("mailto:news@example.org"));
}

namespace
{

bool LoadWriter(RichTextBox &box, const QString &name)
{
    return box.loadFile(QStringLiteral(VELDRA_TESTS_DIR "/rtf/data/writers/") + name + QStringLiteral(".rtf")).ok();
}

QList<QTextTable *> Tables(const QTextFrame *frame)
{
    QList<QTextTable *> out;
    for (QTextFrame *child : frame->childFrames())
        if (auto *table = qobject_cast<QTextTable *>(child))
            out << table;
    return out;
}

} // namespace

void TestRtfDocuments::tablesFromWriters_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<bool>("merges");  // the writer keeps merged cells
    QTest::addColumn<bool>("shading"); // ... and cell shading
    QTest::addColumn<bool>("widths");  // ... and the columns' widths
    QTest::addColumn<bool>("nested");  // ... and nested tables
    QTest::addColumn<bool>("aligned"); // ... and the paragraphs' alignment in cells
    QTest::newRow("LibreOffice") << QStringLiteral("libreoffice") << true << true << true << true << true;
    QTest::newRow("AbiWord") << QStringLiteral("abiword") << true << false << false << true << false;
    QTest::newRow("pandoc") << QStringLiteral("pandoc") << false << false << false << false << true;
}

void TestRtfDocuments::tablesFromWriters()
{
    QFETCH(QString, writer);
    QFETCH(bool, merges);
    QFETCH(bool, shading);
    QFETCH(bool, widths);
    QFETCH(bool, nested);
    QFETCH(bool, aligned);
    RichTextBox box;
    QVERIFY(LoadWriter(box, QStringLiteral("tables-") + writer));
    const QList<QTextTable *> tables = Tables(box.document()->rootFrame());
    QCOMPARE(tables.size(), 2);
    const QTextTable *t = tables.first();
    QCOMPARE(t->rows(), 6);
    QCOMPARE(t->columns(), 3);
    QCOMPARE(CellTexts(t->cellAt(0, 0)), QStringList{QStringLiteral("Product")});
    QCOMPARE(CellTexts(t->cellAt(1, 2)), QStringList{QStringLiteral("€ 10")});
    QCOMPARE(CellTexts(t->cellAt(4, 1)), QStringList{QStringLiteral("1.2")});
    // Two paragraphs in one cell; a paragraph mark just before the cell's end
    // leaves no empty one.
    const QStringList two = CellTexts(t->cellAt(5, 0));
    QCOMPARE(two.mid(two.size() - 2), (QStringList{QStringLiteral("First paragraph in a cell."),
                                                   QStringLiteral("Second paragraph in the same cell.")}));
    QCOMPARE(t->cellAt(2, 0).columnSpan(), merges ? 2 : 1);
    QCOMPARE(t->cellAt(3, 0).rowSpan(), merges ? 2 : 1);
    QCOMPARE(t->cellAt(2, 0).format().background().color() == QColor(Qt::yellow), shading);
    const QList<QTextLength> w = t->format().columnWidthConstraints();
    QCOMPARE(w.size(), 3);
    QCOMPARE(w.at(0).rawValue() > 1.7 * w.at(1).rawValue(), widths);
    // Prices stand right in their cells, as the document aligns them.
    QCOMPARE(t->cellAt(4, 2).firstCursorPosition().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
             aligned ? Qt::AlignRight : Qt::AlignLeft);
    if (writer == QLatin1String("pandoc")) {
        // Only the header has a rule under it.
        QVERIFY(t->cellAt(0, 1).format().toTableCellFormat().bottomBorder() >= 1);
        QCOMPARE(t->cellAt(1, 1).format().toTableCellFormat().bottomBorder(), 0.0);
    } else {
        QVERIFY(t->cellAt(1, 1).format().toTableCellFormat().leftBorder() >= 1);
        QVERIFY(t->cellAt(5, 2).format().toTableCellFormat().rightBorder() >= 1);
    }
    const QList<QTextTable *> inner = Tables(tables.at(1));
    QCOMPARE(inner.size(), nested ? 1 : 0);
    if (nested) {
        QCOMPARE(tables.at(1)->cellAt(inner.first()->firstPosition()).column(), 1);
        QCOMPARE(inner.first()->rows(), 2);
        QCOMPARE(CellTexts(inner.first()->cellAt(1, 1)), QStringList{QStringLiteral("Inner 4")});
    }
    QVERIFY(box.text().contains(QStringLiteral("\r\nAfter the tables.")));
}

void TestRtfDocuments::picturesFromWriters_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QSizeF>("png");
    QTest::addColumn<QSizeF>("jpeg");
    QTest::newRow("LibreOffice") << QStringLiteral("libreoffice") << QSizeF(48, 32) << QSizeF(36, 24);
    QTest::newRow("AbiWord") << QStringLiteral("abiword") << QSizeF(64, 42) << QSizeF(48, 32);
    QTest::newRow("pandoc") << QStringLiteral("pandoc") << QSizeF(48, 32) << QSizeF(36, 24);
}

void TestRtfDocuments::picturesFromWriters()
{
    QFETCH(QString, writer);
    QFETCH(QSizeF, png);
    QFETCH(QSizeF, jpeg);
    RichTextBox box;
    QVERIFY(LoadWriter(box, QStringLiteral("pictures-") + writer));
    QList<QTextImageFormat> images;
    for (QTextBlock b = box.document()->begin(); b.isValid(); b = b.next())
        for (QTextBlock::iterator it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                images << it.fragment().charFormat().toImageFormat();
    QCOMPARE(images.size(), 2);
    const QSizeF expected[] = {png, jpeg};
    // The pictures themselves, decoded: the gradient is red at the top and
    // blue at the bottom, the JPEG green with a yellow disc.
    const QColor colours[][2] = {{QColor(255, 0, 0), QColor(0, 0, 255)}, {QColor(0, 128, 0), QColor(255, 255, 0)}};
    for (int i = 0; i < 2; ++i) {
        QVERIFY2(qAbs(images[i].width() - expected[i].width()) < 1, qPrintable(QString::number(images[i].width())));
        QVERIFY2(qAbs(images[i].height() - expected[i].height()) < 1, qPrintable(QString::number(images[i].height())));
        const QImage image =
            box.document()->resource(QTextDocument::ImageResource, QUrl(images[i].name())).value<QImage>();
        QVERIFY(!image.isNull());
        const QColor corner = image.pixelColor(0, 0);
        const QColor centre = image.pixelColor(image.width() / 2, image.height() - 1 - image.height() / 2);
        const auto near = [](const QColor &a, const QColor &b) {
            return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) < 120;
        };
        QVERIFY(near(corner, colours[i][0]));
        if (i == 1)
            QVERIFY(near(centre, colours[i][1]));
        else
            QVERIFY(near(image.pixelColor(0, image.height() - 1), colours[i][1]));
    }
    QVERIFY(box.text().contains(QStringLiteral("A JPEG picture, scaled: \uFFFC")));
}

void TestRtfDocuments::listsFromWriters_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("labels");
    const QStringList bullets(5, QStringLiteral("•"));
    // LibreOffice writes each label as text (with a space before numbers);
    // without that text the labels come from its list table, and match.
    QTest::newRow("LibreOffice") << QStringLiteral("lists-libreoffice")
                                 << (bullets + QStringList{QStringLiteral(" 1."), QStringLiteral(" 2."),
                                                           QStringLiteral(" a."), QStringLiteral(" b."),
                                                           QStringLiteral(" 3."), QStringLiteral(" IV."),
                                                           QStringLiteral(" V.")});
    QTest::newRow("LibreOffice without label text")
        << QStringLiteral("lists-libreoffice-nolisttext")
        << (bullets + QStringList{QStringLiteral("1."), QStringLiteral("2."), QStringLiteral("a."),
                                  QStringLiteral("b."), QStringLiteral("3."), QStringLiteral("IV."),
                                  QStringLiteral("V.")});
    // AbiWord writes empty labels for numbers: they come from its list table,
    // numbered per list as LibreOffice numbers them.
    QTest::newRow("AbiWord") << QStringLiteral("lists-abiword")
                             << (bullets + QStringList{QStringLiteral("1."), QStringLiteral("2."),
                                                       QStringLiteral("2.1."), QStringLiteral("2.2."),
                                                       QStringLiteral("3."), QStringLiteral("1."),
                                                       QStringLiteral("2.")});
    // pandoc writes its labels as plain text.
    QTest::newRow("pandoc") << QStringLiteral("lists-pandoc")
                            << QStringList{QStringLiteral("•"),  QStringLiteral("•"),   QStringLiteral("–"),
                                           QStringLiteral("–"),  QStringLiteral("•"),   QStringLiteral("1."),
                                           QStringLiteral("2."), QStringLiteral("a."),  QStringLiteral("b."),
                                           QStringLiteral("3."), QStringLiteral("IV."), QStringLiteral("V.")};
}

void TestRtfDocuments::listsFromWriters()
{
    QFETCH(QString, file);
    QFETCH(QStringList, labels);
    RichTextBox box;
    QVERIFY(LoadWriter(box, file));
    const QStringList items = {
        QStringLiteral("Apples"),           QStringLiteral("Pears"),           QStringLiteral("Green pears"),
        QStringLiteral("Red pears"),        QStringLiteral("Plums"),           QStringLiteral("Download the news"),
        QStringLiteral("Read the news"),    QStringLiteral("Headlines"),       QStringLiteral("Details"),
        QStringLiteral("Close the window"), QStringLiteral("Fourth in Roman"), QStringLiteral("Fifth in Roman")};
    const QStringList lines = box.text().split(QStringLiteral("\r\n"));
    QStringList found;
    for (const QString &item : items) {
        const auto line = std::find_if(lines.begin(), lines.end(),
                                       [&item](const QString &l) { return l.endsWith(QLatin1Char('\t') + item); });
        QVERIFY2(line != lines.end(), qPrintable(item));
        found << line->left(line->size() - item.size() - 1);
    }
    QCOMPARE(found, labels);
    // A nested item is indented further than its parent.
    const auto indent = [&box](const QString &item) {
        return box.document()->find(item).block().blockFormat().leftMargin();
    };
    QVERIFY(indent(QStringLiteral("Green pears")) > indent(QStringLiteral("Pears")));
    QVERIFY(indent(QStringLiteral("Apples")) > indent(QStringLiteral("Shopping list:")));
}

void TestRtfDocuments::notesFromWriters_data()
{
    QTest::addColumn<QString>("writer");
    QTest::newRow("LibreOffice") << QStringLiteral("libreoffice");
    QTest::newRow("AbiWord") << QStringLiteral("abiword");
    QTest::newRow("pandoc") << QStringLiteral("pandoc");
}

void TestRtfDocuments::notesFromWriters()
{
    QFETCH(QString, writer);
    RichTextBox box;
    QVERIFY(LoadWriter(box, QStringLiteral("footnotes-") + writer));
    const QStringList lines = box.text().split(QStringLiteral("\r\n"));
    QVERIFY(lines.contains(
        QStringLiteral("The program was first released in 1998.1 It reads news written in rich text.2")));
    QVERIFY(lines.contains(QStringLiteral("A second paragraph with a third note.3")));
    // The marks are superscript numbers.
    QTextCursor mark(box.document());
    mark.setPosition(box.document()->find(QStringLiteral("1998.")).selectionEnd() + 1);
    QCOMPARE(mark.charFormat().verticalAlignment(), QTextCharFormat::AlignSuperScript);
    // The notes follow the text, numbered, after a paragraph with a rule.
    const QStringList notes = {QStringLiteral("The first version ran on a single machine."),
                               QStringLiteral("Rich text is the format of the word processors."),
                               QStringLiteral("The last note, with emphasis.")};
    const int rule = int(lines.indexOf(QString()));
    QVERIFY(rule > 0);
    QVERIFY(box.document()->findBlockByNumber(rule).blockFormat().hasProperty(
        QTextFormat::BlockTrailingHorizontalRulerWidth));
    QCOMPARE(lines.size(), rule + 4);
    for (int i = 0; i < 3; ++i) {
        const QString note = lines.at(rule + 1 + i);
        QVERIFY2(note.startsWith(QString::number(i + 1)) && note.endsWith(notes.at(i)), qPrintable(note));
        QVERIFY2(note.size() <= notes.at(i).size() + 2, qPrintable(note)); // the number and a space or tab
    }
}

void TestRtfDocuments::breaksRulesAndDirectionFromWriters_data()
{
    QTest::addColumn<QString>("writer");
    QTest::addColumn<bool>("rule");        // the writer keeps the heading's bottom border
    QTest::addColumn<bool>("rightToLeft"); // ... and the Arabic paragraph's direction
    QTest::newRow("LibreOffice") << QStringLiteral("libreoffice") << true << true;
    QTest::newRow("AbiWord") << QStringLiteral("abiword") << false << false;
    QTest::newRow("pandoc") << QStringLiteral("pandoc") << false << false;
}

void TestRtfDocuments::breaksRulesAndDirectionFromWriters()
{
    QFETCH(QString, writer);
    QFETCH(bool, rule);
    QFETCH(bool, rightToLeft);
    RichTextBox box;
    QVERIFY(LoadWriter(box, QStringLiteral("misc-") + writer));
    QTextDocument *doc = box.document();
    // Line breaks stay inside their paragraph.
    const QTextBlock lines = doc->find(QStringLiteral("First line")).block();
    QCOMPARE(lines.text(), QStringLiteral("First line\u2028second line after a line break\u2028third line"));
    QVERIFY(box.text().contains(QStringLiteral("First line\r\nsecond line after a line break\r\nthird line")));
    QCOMPARE(doc->find(QStringLiteral("Heading with a rule"))
                 .block()
                 .blockFormat()
                 .hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth),
             rule);
    QCOMPARE(doc->find(QStringLiteral("The end."))
                 .block()
                 .blockFormat()
                 .hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth),
             false);
    // Direction is the document's only: Hebrew without \\rtlpar stays left to
    // right, whatever its letters.
    const QTextBlockFormat arabic = doc->find(QStringLiteral("مرحبا")).block().blockFormat();
    QCOMPARE(arabic.layoutDirection(), rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    QCOMPARE(doc->find(QStringLiteral("שלום")).block().blockFormat().layoutDirection(), Qt::LeftToRight);
}

QTEST_MAIN(TestRtfDocuments)
#include "test_rtfdocuments.moc"
