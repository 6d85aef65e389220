#include "desktop/Memory.h"
#include "document/DisplayBlocks.h"
#include "links/WordScan.h"
#include "richtext/RichTextBox.h"
#include "settings/Module1.h"
#include "shell/ReaderPanel.h"
#include "support/Files.h"
#include "support/ProcessMemory.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

using namespace veldra;

namespace
{

using testsupport::StatusKb;

} // namespace

// A body that is one line of tens of megabytes, or one endless word, is shown
// in display blocks with its links where they belong, reads and copies as the
// line it is, and takes memory in proportion to it.
class TestLongLines : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void lineOfTensOfMegabytes();
    void wordOfMegabytesWrapsAtTheEdge();

private:
    void write(const QByteArray &body);
    void fill();
    QTemporaryDir *dir = nullptr;
    QWidget *window = nullptr;
    shell::ReaderPanel ui;
    settings::Module1 state;
};

void TestLongLines::init()
{
    dir = new QTemporaryDir;
    state.AppName = QStringLiteral("Veldra");
    state.AppDir = dir->path() + QLatin1Char('/');
    window = new QWidget;
    window->resize(600, 400);
    ui.txtSubject = new QLineEdit(window);
    ui.txtAuthor = new QLineEdit(window);
    ui.txtVersion = new QLineEdit(window);
    ui.txtWebsite = new QLineEdit(window);
    ui.txtFAQ = new richtext::RichTextBox(window);
    ui.txtFAQ->setGeometry(0, 0, 600, 400);
    window->show();
}

void TestLongLines::cleanup()
{
    delete window;
    delete dir;
}

void TestLongLines::write(const QByteArray &body)
{
    state.FaqFile = state.AppDir + QStringLiteral("faq9.txt");
    QVERIFY(testsupport::WriteFile(state.FaqFile, "Subject=Long\r\n[body]\r\n" + body + "\r\n[/body]\r\n"));
}

void TestLongLines::fill()
{
    QVERIFY(shell::FillReaderPanel(ui, state).ok());
    QTRY_VERIFY_WITH_TIMEOUT(ui.txtFAQ->document()->lastBlock().layout()->lineCount() > 0, 60000);
}

void TestLongLines::lineOfTensOfMegabytes()
{
    constexpr qsizetype kBytes = 24 << 20;
    QByteArray line;
    line.reserve(kBytes + 100);
    std::vector<int> links;
    while (line.size() < kBytes) {
        if (line.size() % 1000 < 8 && !line.isEmpty()) {
            links.push_back(int(line.size()));
            line += "www.n" + QByteArray::number(line.size()) + ".org ";
        }
        line += "letters ";
    }
    links.push_back(int(line.size()) + 5);
    line += "last http://end.example/" + QByteArray(20000, 'p');
    const QString expected = QString::fromLatin1(line);
    write(line);

    const qint64 idleKb = StatusKb("VmRSS:");
    {
        QFile peak(QStringLiteral("/proc/self/clear_refs"));
        QVERIFY(peak.open(QIODevice::WriteOnly) && peak.write("5") == 1);
    }
    fill();
    const double peakMib = double(StatusKb("VmHWM:") - idleKb) / 1024;
    // The line and its document, not its layout all at once: that took twenty
    // times the line.
    QVERIFY2(peakMib < 5.0 * double(kBytes >> 20), qPrintable(QString::number(peakMib)));

    richtext::RichTextBox &box = *ui.txtFAQ;
    const QTextDocument &doc = *box.document();
    QVERIFY(doc.blockCount() > int(kBytes / document::kLongestDisplayBlock));
    QCOMPARE(doc.findBlockByNumber(doc.blockCount() / 2).length() - 1 <= document::kLongestDisplayBlock, true);
    // The box's text is the line and the two spaces of each prefix.
    QCOMPARE(box.textLength(), int(line.size()) + 4);
    QCOMPARE(box.lineAt(int(kBytes / 2), nullptr).size(), line.size() + 4);
    for (size_t i = 0; i < links.size(); i += links.size() / 97) {
        const int at = links[i];
        const QString word = links::WordAtIndex(box, at + 3);
        QVERIFY2(word.startsWith(QLatin1String("www.")) || word.startsWith(QLatin1String("http:")), qPrintable(word));
        QCOMPARE(expected.mid(at, word.size()), word);
        QVERIFY(box.isLinkAt(at) && !box.isLinkAt(at - 1) && box.colorAt(at) == QColor(0, 0, 255));
        QVERIFY(box.isLinkAt(at + int(word.size()) - 1) && !box.isLinkAt(at + int(word.size())));
    }
    // The caret after the start of the last link, which runs across blocks.
    QCOMPARE(box.selStart(), links.back() + 1);
    const int middle = links[links.size() / 2];
    QCOMPARE(box.find(expected.mid(middle, 12), 0), middle);

    box.selectAll();
    box.copy();
    QCOMPARE(QApplication::clipboard()->text(), expected + QLatin1String("    "));
}

void TestLongLines::wordOfMegabytesWrapsAtTheEdge()
{
    const QByteArray word = "http://x/" + QByteArray(3 << 20, 'w');
    write("before " + word + " after");
    fill();
    richtext::RichTextBox &box = *ui.txtFAQ;
    for (QTextBlock b = box.document()->begin(); b.isValid(); b = b.next())
        QVERIFY(b.length() - 1 <= document::kLongestDisplayBlock && !b.blockFormat().nonBreakableLines());
    // Wrapped at the box's edge: nothing to scroll sideways.
    QCOMPARE(box.horizontalScrollBar()->maximum(), 0);
    QCOMPARE(links::WordAtIndex(box, 2 << 20), QString::fromLatin1(word));
    QVERIFY(box.isLinkAt(7) && box.isLinkAt(7 + int(word.size()) - 1) && !box.isLinkAt(7 + int(word.size())));
    QCOMPARE(box.find(QStringLiteral("w after"), 0), 7 + int(word.size()) - 1);
    QCOMPARE(box.selLength(), 7);
}

int main(int argc, char **argv)
{
    // As the program's main does: the memory figures are the program's.
    desktop::KeepLargeBuffersApart();
    QApplication app(argc, argv);
    TestLongLines test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_longlines.moc"
