#include "RtfTestUtil.h"

#include <QFile>
#include <QTest>

// Tables whose cells hold lists, a table and several paragraphs, as AbiWord
// writes them (data/writers/cells-*, see its README): from HTML it resets the
// paragraph between a list label and the item, from OpenDocument it puts
// whole items, cell ends and rows into their label groups. Either way the
// table stays one table with its content in the right cells.
class TestRtfCells : public QObject
{
    Q_OBJECT
private slots:
    void tableStaysWhole_data();
    void tableStaysWhole();
};

void TestRtfCells::tableStaysWhole_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("bullet"); // the label before a bulleted item
    QTest::addColumn<QStringList>("numbers");
    QTest::newRow("from HTML") << QStringLiteral("cells-abiword") << QStringLiteral("•\t")
                               << QStringList{QStringLiteral("1.\t"), QStringLiteral("2.\t")};
    // From OpenDocument AbiWord writes the items without their labels.
    QTest::newRow("from OpenDocument") << QStringLiteral("cells-odt-abiword") << QStringLiteral("\t")
                                       << QStringList{QStringLiteral("\t"), QStringLiteral("\t")};
}

void TestRtfCells::tableStaysWhole()
{
    QFETCH(QString, file);
    QFETCH(QString, bullet);
    QFETCH(QStringList, numbers);
    QFile f(QStringLiteral(VELDRA_TESTS_DIR "/rtf/data/writers/") + file + QStringLiteral(".rtf"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QTextDocument doc;
    veldra::rtf::ReadRtf(f.readAll(), &doc);

    QCOMPARE(doc.rootFrame()->childFrames().size(), 1);
    const auto *t = qobject_cast<QTextTable *>(doc.rootFrame()->childFrames().first());
    QVERIFY(t);
    QCOMPARE(t->rows(), 3);
    QCOMPARE(t->columns(), 3);
    QVERIFY(PositionOf(doc, QStringLiteral("Before the table.")) < t->firstPosition());
    QVERIFY(PositionOf(doc, QStringLiteral("After the table.")) > t->lastPosition());

    // Merged cells down the first column and across the last row.
    QCOMPARE(t->cellAt(0, 0).rowSpan(), 2);
    QCOMPARE(CellTexts(t->cellAt(0, 0)), QStringList{QStringLiteral("Fruit")});
    QCOMPARE(t->cellAt(2, 0).columnSpan(), 2);
    QCOMPARE(CellTexts(t->cellAt(2, 2)), QStringList{QStringLiteral("Last")});
    // The lists, each in its own cell; two paragraphs in another.
    QCOMPARE(CellTexts(t->cellAt(0, 1)),
             (QStringList{bullet + QStringLiteral("Apples"), bullet + QStringLiteral("Pears")}));
    QCOMPARE(CellTexts(t->cellAt(0, 2)), (QStringList{numbers.at(0) + QStringLiteral("First step"),
                                                      numbers.at(1) + QStringLiteral("Second step")}));
    QStringList two = CellTexts(t->cellAt(1, 2));
    two.removeAll(QString()); // AbiWord's empty paragraph at the start of a cell
    QCOMPARE(two, (QStringList{QStringLiteral("First paragraph."), QStringLiteral("Second paragraph.")}));

    // The nested table between the paragraphs of its cell, with a list in
    // one of its own cells, and no wider than its cell.
    QCOMPARE(t->childFrames().size(), 1);
    const auto *n = qobject_cast<QTextTable *>(t->childFrames().first());
    QVERIFY(n);
    QCOMPARE(t->cellAt(n->firstPosition()).row(), 1);
    QCOMPARE(t->cellAt(n->firstPosition()).column(), 1);
    QVERIFY(PositionOf(doc, QStringLiteral("Outer text")) < n->firstPosition());
    QVERIFY(PositionOf(doc, QStringLiteral("Below inner")) > n->lastPosition());
    for (const char *text : {"Outer text", "Below inner"})
        QVERIFY(t->cellAt(PositionOf(doc, QLatin1String(text))) == t->cellAt(1, 1));
    QCOMPARE(n->rows(), 2);
    QCOMPARE(n->columns(), 2);
    QCOMPARE(CellTexts(n->cellAt(0, 1)), QStringList{bullet + QStringLiteral("Inner 2")});
    QCOMPARE(CellTexts(n->cellAt(1, 1)), QStringList{QStringLiteral("Inner 4")});
    const auto width = [](const QTextTable *table, int column) {
        return table->format().columnWidthConstraints().value(column).rawValue();
    };
    QVERIFY(n->format().leftMargin() + width(n, 0) + width(n, 1) <= width(t, 1));
}

QTEST_MAIN(TestRtfCells)
#include "test_rtfcells.moc"
