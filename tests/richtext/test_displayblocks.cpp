#include "document/BoxDocument.h"
#include "document/DisplayBlocks.h"
#include "document/DocumentExport.h"
#include "richtext/RichTextBox.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextDocumentFragment>

using namespace veldra;
using richtext::RichTextBox;

// Long paragraphs held as display blocks read, count, find and copy as the
// one line they are.
class TestDisplayBlocks : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup() { delete box; }
    void readsAndCountsAsOneLine();
    void findRunsAcrossTheBlocks();
    void copyGivesTheLinesWithoutAddedBreaks();
    void savedCopyHoldsTheLinesWhole();

private:
    QString text;                // paragraphs ending in "\n"
    std::vector<int> cutIndexes; // indexes of the text where a display block starts
    RichTextBox *box = nullptr;
};

void TestDisplayBlocks::init()
{
    // Numbered words, then one word of numbers joined by dashes: every stretch
    // of a dozen characters occurs once.
    QString words, word;
    for (int i = 10000; words.size() < 3 * document::kLongestDisplayBlock; ++i)
        words += QString::number(i) + u' ';
    for (int i = 10000; word.size() < 3 * document::kLongestDisplayBlock; ++i)
        word += QString::number(i) + u'-';
    text = QStringLiteral("first line\n") + words + u'\n' + word + QStringLiteral("\nend");
    std::unique_ptr<QTextDocument> doc = document::NewDocument({});
    document::SetPlainText(*doc, text);
    const std::vector<int> splits = document::SplitLongParagraphs(*doc);
    cutIndexes.clear();
    for (const int at : splits) {
        // A position before the split; the text has one paragraph end before
        // the cuts of each line, two before those of the word.
        const int lines = at > int(text.indexOf(word)) ? 2 : 1;
        cutIndexes.push_back(at + lines);
    }
    box = new RichTextBox;
    box->resize(400, 300);
    box->showDocument(std::move(doc), 0);
    box->show();
}

void TestDisplayBlocks::readsAndCountsAsOneLine()
{
    const QTextDocument &doc = *box->document();
    QVERIFY(cutIndexes.size() >= 4);
    QCOMPARE(doc.blockCount(), 4 + int(cutIndexes.size()));
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        QVERIFY(b.length() - 1 <= document::kLongestDisplayBlock && !b.blockFormat().nonBreakableLines());
    // The words' line is cut after spaces, so words wrap as before.
    QCOMPARE(doc.findBlock(box->indexToPosition(cutIndexes.front())).previous().text().back(), u' ');

    QString crlf = text;
    crlf.replace(u'\n', QLatin1String("\r\n"));
    QCOMPARE(box->text(), crlf);
    QCOMPARE(box->textLength(), int(crlf.size()));
    for (int i = 0; i <= crlf.size(); ++i) {
        const int position = box->indexToPosition(i);
        if (i < crlf.size() && crlf[i] == u'\n')
            continue; // the LF maps to the line end
        QVERIFY2(box->positionToIndex(position) == i, qPrintable(QString::number(i)));
        if (i < crlf.size() && crlf[i] != u'\r')
            QVERIFY2(doc.characterAt(position) == crlf[i], qPrintable(QString::number(i)));
    }
    for (const int cut : cutIndexes) {
        int start = -1;
        const QString line = box->lineAt(cut, &start);
        QCOMPARE(crlf.mid(start, line.size() + 2), line + QLatin1String("\r\n"));
        QVERIFY(line.size() > 3 * document::kLongestDisplayBlock - 10 && crlf[start - 1] == u'\n');
        // A window of the line around the seam: a part of it that holds the
        // index, and says on which sides the line goes on.
        for (const int radius : {5, 2 * document::kLongestDisplayBlock, 1 << 30}) {
            const auto window = box->lineWindowAt(cut, radius);
            const int end = window.start + int(window.text.size());
            QCOMPARE(crlf.mid(window.start, window.text.size()), window.text);
            QVERIFY(window.start >= start && window.start <= cut && cut < end && end <= start + line.size());
            QCOMPARE(window.clippedBefore, window.start > start);
            QCOMPARE(window.clippedAfter, end < start + line.size());
            if (radius == 5)
                QVERIFY(window.clippedBefore && window.clippedAfter && window.text.size() <= 12);
            if (radius == 1 << 30)
                QCOMPARE(window.text, line);
        }
    }
}

void TestDisplayBlocks::findRunsAcrossTheBlocks()
{
    QString crlf = text;
    crlf.replace(u'\n', QLatin1String("\r\n"));
    for (const int cut : cutIndexes) {
        const QString around = crlf.mid(cut - 6, 12);
        QCOMPARE(box->find(around.toUpper(), 0), cut - 6);
        QCOMPARE(box->selStart(), cut - 6);
        QCOMPARE(box->selLength(), 12);
        QCOMPARE(box->find(around, cut - 5), -1);
        const QTextCursor hit = box->findCursor(around, 0);
        QCOMPARE(hit.selectionEnd() - hit.selectionStart(), 13);
    }
    QCOMPARE(box->find(QStringLiteral("ne\r\n10000 1"), 0), 8);
}

void TestDisplayBlocks::copyGivesTheLinesWithoutAddedBreaks()
{
    const int from = 5;
    const int to = cutIndexes.back() + 9;
    box->setSelStart(from);
    QTextCursor selection = box->textCursor();
    selection.setPosition(box->indexToPosition(to), QTextCursor::KeepAnchor);
    box->setTextCursor(selection);
    box->copy();
    const QMimeData *copied = QApplication::clipboard()->mimeData();
    QVERIFY(copied);
    QString crlf = text;
    crlf.replace(u'\n', QLatin1String("\r\n"));
    QString expected = crlf.mid(from, to - from);
    expected.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QCOMPARE(copied->text(), expected);
    QVERIFY(copied->hasHtml());
    QCOMPARE(QTextDocumentFragment::fromHtml(copied->html()).toPlainText(), expected);
}

void TestDisplayBlocks::savedCopyHoldsTheLinesWhole()
{
    const std::unique_ptr<QTextDocument> copy = document::ExportDocument(QStringLiteral("Long"), {}, *box->document());
    QCOMPARE(copy->blockCount(), 4);
    QCOMPARE(QString::fromUtf8(document::ExportPlainText(*copy)), text + u'\n');
}

QTEST_MAIN(TestDisplayBlocks)
#include "test_displayblocks.moc"
