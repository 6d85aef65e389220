#include "faq/HighlightLinks.h"
#include "faq/ReaderPanel.h"
#include "platform/RichTextBox.h"
#include "settings/Module1.h"
#include "support/Files.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using namespace veldra;
using namespace veldra::faq;

// The reader panel as FillInFAQ fills it, and the link colouring of its body.
class TestReaderPanel : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void highlight_data();
    void highlight();
    void caretAfterLastLink();
    void linkAfterEmptyFirstLine();
    void lineBreakInsideParagraphEndsLink();
    void nothingDownloaded();
    void fillsHeaderInOrderAndBody();
    void missingWebsiteEmptiesBox();
    void deletedDocumentReported();
    void longBodyShownFromItsStart();

private:
    QString writeFaq(const QByteArray &bytes);
    QTemporaryDir *dir = nullptr;
    QWidget *window = nullptr;
    ReaderPanel ui;
    settings::Module1 state;
};

void TestReaderPanel::init()
{
    dir = new QTemporaryDir;
    state.AppName = QStringLiteral("Veldra");
    state.AppDir = dir->path() + QLatin1Char('/');
    state.FaqFile.clear();
    window = new QWidget;
    ui.txtSubject = new QLineEdit(window);
    ui.txtAuthor = new QLineEdit(window);
    ui.txtVersion = new QLineEdit(window);
    ui.txtWebsite = new QLineEdit(window);
    ui.txtFAQ = new platform::RichTextBox(window);
    window->show();
}

void TestReaderPanel::cleanup()
{
    delete window;
    delete dir;
}

QString TestReaderPanel::writeFaq(const QByteArray &bytes)
{
    const QString path = state.AppDir + QStringLiteral("faq17.txt");
    testsupport::WriteFile(path, bytes);
    return path;
}

// Which characters carry the link colour and attribute, as a mask: '#' for a
// link character, '.' for any other. Both must agree on every character.
static QString LinkMask(const platform::RichTextBox &box)
{
    const QColor blue(0, 0, 255);
    QString mask;
    const int n = box.textLength();
    for (int i = 0; i < n; ++i) {
        const bool link = box.isLinkAt(i);
        const bool coloured = box.colorAt(i) == blue;
        mask += link && coloured ? QLatin1Char('#') : (!link && !coloured ? QLatin1Char('.') : QLatin1Char('?'));
    }
    return mask;
}

void TestReaderPanel::highlight_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("mask"); // after "www." then "http:"; CR LF shows as "..", the 4 spaces as "...."
    QTest::newRow("comma after link belongs to it")
        << QStringLiteral("see www.a.com, now") << QStringLiteral("....##########........");
    QTest::newRow("link at very end") << QStringLiteral("go www.x.org") << QStringLiteral("...#########....");
    QTest::newRow("capitals") << QStringLiteral("x WWW.CAPS.COM y") << QStringLiteral("..############......");
    QTest::newRow("first character never searched")
        << QStringLiteral("www.one.com www.two.com") << QStringLiteral("............###########....");
    QTest::newRow("line break ends link")
        << QStringLiteral("a www.x.org\r\nnext") << QStringLiteral("..#########..........");
    QTest::newRow("http link containing www")
        << QStringLiteral("go http://www.x.org/ ok") << QStringLiteral("...#################.......");
    QTest::newRow("no links") << QStringLiteral("nothing here") << QStringLiteral("................");
    QTest::newRow("no-break space inside link")
        << QStringLiteral("see www.a\u00A0b c") << QStringLiteral("....#######......");
}

void TestReaderPanel::highlight()
{
    QFETCH(QString, text);
    QFETCH(QString, mask);
    platform::RichTextBox &box = *ui.txtFAQ;
    box.setText(text);
    HighlightLinks(box, QStringLiteral("www."));
    HighlightLinks(box, QStringLiteral("http:"));
    QCOMPARE(box.text(), text + QStringLiteral("    "));
    QCOMPARE(LinkMask(box), mask);
}

void TestReaderPanel::caretAfterLastLink()
{
    platform::RichTextBox &box = *ui.txtFAQ;
    box.setText(QStringLiteral("a www.one.org b www.two.org c"));
    HighlightLinks(box, QStringLiteral("www."));
    QCOMPARE(box.selStart(), 17);
    QCOMPARE(box.selLength(), 0);
}

void TestReaderPanel::linkAfterEmptyFirstLine()
{
    // Index 1 is then the LF of the first line break; the link at index 2 counts.
    platform::RichTextBox &box = *ui.txtFAQ;
    box.setText(QStringLiteral("\r\nwww.x.org y"));
    HighlightLinks(box, QStringLiteral("www."));
    QVERIFY(box.isLinkAt(2) && box.isLinkAt(10) && !box.isLinkAt(11));
    QCOMPARE(box.selStart(), 3);
}

void TestReaderPanel::lineBreakInsideParagraphEndsLink()
{
    // A line break inside a paragraph (\\line) counts as CR LF like a
    // paragraph's end, and ends the link before it.
    platform::RichTextBox &box = *ui.txtFAQ;
    const QString path = state.AppDir + QStringLiteral("body.rtf");
    testsupport::WriteFile(path, "{\\rtf1 a www.x.org\\line next}");
    QVERIFY(box.loadFile(path).ok());
    HighlightLinks(box, QStringLiteral("www."));
    QCOMPARE(box.text(), QStringLiteral("a www.x.org\r\nnext  "));
    QCOMPARE(LinkMask(box), QStringLiteral("..#########........"));
}

void TestReaderPanel::nothingDownloaded()
{
    ui.txtSubject->setText(QStringLiteral("kept"));
    ui.txtWebsite->setText(QStringLiteral("kept too"));
    QVERIFY(FillInFAQ(ui, state).ok());
    QCOMPARE(ui.txtFAQ->text(), QStringLiteral("No file downloaded"));
    QCOMPARE(ui.txtSubject->text(), QStringLiteral("kept"));
    QCOMPARE(ui.txtWebsite->text(), QStringLiteral("kept too"));
}

void TestReaderPanel::fillsHeaderInOrderAndBody()
{
    state.FaqFile = writeFaq("Subject=Printing from the editor\r\n"
                             "Author=A. Writer\r\n"
                             "AuthorEMAIL=writer@example.org\r\n"
                             "Version=1.2\r\n"
                             "AuthorWEBSITE=www.writer.example\r\n"
                             "[Body]\r\n"
                             "Visit www.example.org, or http://example.org/faq\r\n"
                             "[/body]\r\n");
    QStringList order;
    for (QLineEdit *e : {ui.txtSubject, ui.txtAuthor, ui.txtVersion, ui.txtWebsite})
        connect(e, &QLineEdit::textChanged, this, [&order, e] { order << e->text(); });
    QVERIFY(FillInFAQ(ui, state).ok());
    QCOMPARE(order, (QStringList{QStringLiteral("Printing from the editor"), QStringLiteral("1.2"),
                                 QStringLiteral("A. Writer"), QStringLiteral("www.writer.example")}));
    for (QLineEdit *e : {ui.txtSubject, ui.txtAuthor, ui.txtVersion, ui.txtWebsite})
        QVERIFY(!e->text().contains(QLatin1String("writer@")));
    const QString body = QStringLiteral("Visit www.example.org\r\nor http://example.org/faq");
    QCOMPARE(ui.txtFAQ->text(), body + QStringLiteral("    "));
    QCOMPARE(LinkMask(*ui.txtFAQ), QStringLiteral("......###############.....######################...."));
}

void TestReaderPanel::missingWebsiteEmptiesBox()
{
    state.FaqFile = writeFaq("Subject=S\r\n[body]\r\nx\r\n[/body]\r\n");
    ui.txtWebsite->setText(QStringLiteral("www.previous.example"));
    QVERIFY(FillInFAQ(ui, state).ok());
    QVERIFY(ui.txtWebsite->text().isEmpty());
    QCOMPARE(ui.txtSubject->text(), QStringLiteral("S"));
}

void TestReaderPanel::deletedDocumentReported()
{
    state.FaqFile = writeFaq("Subject=Old\r\n[body]\r\nold body\r\n[/body]\r\n");
    QVERIFY(FillInFAQ(ui, state).ok());
    QVERIFY(QFile::remove(state.FaqFile));
    const Status filled = FillInFAQ(ui, state);
    QVERIFY(!filled.ok());
    QCOMPARE(filled.error(), QStringLiteral("No such file or directory"));
    // Nothing had been changed before the failure.
    QCOMPARE(ui.txtSubject->text(), QStringLiteral("Old"));
    QVERIFY(ui.txtFAQ->text().startsWith(QLatin1String("old body")));
}

void TestReaderPanel::longBodyShownFromItsStart()
{
    // About 1 MB with 7,500 links, most beyond index 32767. Laid out again after
    // every link, this took minutes; it must stay a matter of a second or so.
    QByteArray doc = "Subject=Long\r\n[body]\r\n";
    for (int line = 0; line < 15000; ++line) {
        doc += "Line " + QByteArray::number(line) + " of a long answer that goes on for a while";
        doc += line % 2 ? " see www.host" + QByteArray::number(line) + ".example now\r\n" : QByteArray(" plain\r\n");
    }
    doc += "last www.last.example and http://last.example/x\r\n[/body]\r\n";
    QVERIFY(doc.size() > 1000000);
    state.FaqFile = writeFaq(doc);
    window->resize(600, 400);
    ui.txtFAQ->setGeometry(0, 0, 600, 400);

    QElapsedTimer timer;
    timer.start();
    QVERIFY(FillInFAQ(ui, state).ok());
    QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
    QTest::qWait(50);

    platform::RichTextBox &box = *ui.txtFAQ;
    const QString text = box.text();
    const int www = int(text.lastIndexOf(QLatin1String("www.last.example")));
    const int http = int(text.lastIndexOf(QLatin1String("http://last.example/x")));
    QVERIFY(box.isLinkAt(www) && box.isLinkAt(www + 15) && !box.isLinkAt(www + 16));
    // Every link, also those far beyond index 32767.
    int links = 0;
    for (qsizetype at = text.indexOf(QLatin1String("www.host")); at >= 0;
         at = text.indexOf(QLatin1String("www.host"), at + 1), ++links)
        QVERIFY2(box.isLinkAt(int(at)) && !box.isLinkAt(int(at) - 1), qPrintable(QString::number(at)));
    QCOMPARE(links, 7500);
    QVERIFY(box.isLinkAt(http + 20) && box.colorAt(http + 20) == QColor(0, 0, 255));
    QCOMPARE(box.selStart(), http + 1);
    // The reader opens at the top of the document, laid out and painted as usual.
    QCOMPARE(box.verticalScrollBar()->value(), 0);
    QVERIFY(box.document()->isLayoutEnabled());
    QVERIFY(box.updatesEnabled());
    QVERIFY(box.document()->size().height() > 10000);
}

QTEST_MAIN(TestReaderPanel)
#include "test_readerpanel.moc"
