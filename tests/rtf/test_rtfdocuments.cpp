#include "platform/RichTextBox.h"

#include <QTest>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextTable>

using veldra::platform::RichTextBox;

// Documents in the style of the word processors that write the news: Word with
// its tables, lists, fields, pictures and headers; WordPad with East Asian
// code pages; TextEdit with its own paragraph ends. Text and basic formatting.
class TestRtfDocuments : public QObject
{
    Q_OBJECT
private slots:
    void wordDocument();
    void wordPadCodePages();
    void textEditDocument();

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

QTEST_MAIN(TestRtfDocuments)
#include "test_rtfdocuments.moc"
