#include "document/DisplayBlocks.h"
#include "faq/BodyDocument.h"
#include "richtext/RichTextBox.h"
#include "settings/Module1.h"
#include "shell/ReaderPanel.h"
#include "support/Files.h"
#include "support/HighlightLinks.h"
#include "text/CodePage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <sys/stat.h>

using namespace veldra;
using namespace veldra::faq;
using shell::ReaderPanel;
using testsupport::HighlightLinks;

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
    void pipeInTheDocumentsPlaceReported();
    void longBodyShownFromItsStart();
    void linksOfLargeBodyFollowTheRules();
    void overlappingLinksInLinearTime();
    void richTextBodyKeepsItsFormattingUnderLinks();
    void newerFillWins();

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
    ui.txtFAQ = new richtext::RichTextBox(window);
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
static QString LinkMask(const richtext::RichTextBox &box)
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

// The same mask read from the document itself, fragment by fragment: fast
// enough for bodies of hundreds of kilobytes. Each block separator stands for
// the CR LF of the box's text, but those inside a line for nothing.
static QString FastLinkMask(const richtext::RichTextBox &box)
{
    const QColor blue(0, 0, 255);
    QString mask;
    mask.reserve(box.textLength());
    for (QTextBlock b = box.document()->begin(); b.isValid(); b = b.next()) {
        if (b != box.document()->begin() && !document::ContinuesLine(b))
            mask += QLatin1String("..");
        for (QTextBlock::iterator it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            const bool link = f.isAnchor() && f.boolProperty(document::kLinkAttribute) && f.fontUnderline();
            const bool coloured = f.hasProperty(QTextFormat::ForegroundBrush) && f.foreground().color() == blue;
            const QChar c =
                link && coloured ? QLatin1Char('#') : (!link && !coloured ? QLatin1Char('.') : QLatin1Char('?'));
            mask += QString(it.fragment().length(), c);
        }
    }
    return mask;
}

// The link colouring as its rules read, applied to plain text in the box's
// terms (CR LF line breaks, indexes from 0): for each prefix, two spaces are
// appended; the prefix is found from index 1 on, again and again from one
// character after the last match; each match is coloured from there to the
// nearer of the next space and the next CR LF. The caret ends one character
// after the last match of the last prefix that had one.
struct ReferenceLinks {
    QString text;
    QString mask;
    int caret = 0;
};

static ReferenceLinks ColourByTheRules(QString text, const QStringList &prefixes)
{
    ReferenceLinks r;
    for (const QString &prefix : prefixes) {
        text += QStringLiteral("  ");
        r.mask.resize(text.size(), QLatin1Char('.'));
        for (qsizetype m = text.indexOf(prefix, 1, Qt::CaseInsensitive); m > 0;
             m = text.indexOf(prefix, m + 1, Qt::CaseInsensitive)) {
            const qsizetype space = text.indexOf(QLatin1Char(' '), m);
            const qsizetype lineEnd = text.indexOf(QLatin1String("\r\n"), m);
            const qsizetype end = lineEnd >= 0 ? qMin(space, lineEnd) : space;
            for (qsizetype i = m; i < end; ++i)
                r.mask[i] = QLatin1Char('#');
            r.caret = int(m) + 1;
        }
    }
    r.text = text;
    return r;
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
    QTest::newRow("overlapping matches make one link")
        << QStringLiteral("a www.www.x b") << QStringLiteral("..#########......");
    QTest::newRow("www inside a word") << QStringLiteral("xwww.y z") << QStringLiteral(".#####......");
}

void TestReaderPanel::highlight()
{
    QFETCH(QString, text);
    QFETCH(QString, mask);
    richtext::RichTextBox &box = *ui.txtFAQ;
    box.setText(text);
    HighlightLinks(box, QStringLiteral("www."));
    HighlightLinks(box, QStringLiteral("http:"));
    QCOMPARE(box.text(), text + QStringLiteral("    "));
    QCOMPARE(LinkMask(box), mask);
}

void TestReaderPanel::caretAfterLastLink()
{
    richtext::RichTextBox &box = *ui.txtFAQ;
    box.setText(QStringLiteral("a www.one.org b www.two.org c"));
    HighlightLinks(box, QStringLiteral("www."));
    QCOMPARE(box.selStart(), 17);
    QCOMPARE(box.selLength(), 0);
    // The last match counts, also inside a link that began earlier.
    box.setText(QStringLiteral("a www.www.x b"));
    HighlightLinks(box, QStringLiteral("www."));
    QCOMPARE(box.selStart(), 7);
}

void TestReaderPanel::linkAfterEmptyFirstLine()
{
    // Index 1 is then the LF of the first line break; the link at index 2 counts.
    richtext::RichTextBox &box = *ui.txtFAQ;
    box.setText(QStringLiteral("\r\nwww.x.org y"));
    HighlightLinks(box, QStringLiteral("www."));
    QVERIFY(box.isLinkAt(2) && box.isLinkAt(10) && !box.isLinkAt(11));
    QCOMPARE(box.selStart(), 3);
}

void TestReaderPanel::lineBreakInsideParagraphEndsLink()
{
    // A line break inside a paragraph (\\line) counts as CR LF like a
    // paragraph's end, and ends the link before it.
    richtext::RichTextBox &box = *ui.txtFAQ;
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
    QVERIFY(shell::FillReaderPanel(ui, state).ok());
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
    QVERIFY(shell::FillReaderPanel(ui, state).ok());
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
    QVERIFY(shell::FillReaderPanel(ui, state).ok());
    QVERIFY(ui.txtWebsite->text().isEmpty());
    QCOMPARE(ui.txtSubject->text(), QStringLiteral("S"));
}

void TestReaderPanel::deletedDocumentReported()
{
    state.FaqFile = writeFaq("Subject=Old\r\n[body]\r\nold body\r\n[/body]\r\n");
    QVERIFY(shell::FillReaderPanel(ui, state).ok());
    QVERIFY(QFile::remove(state.FaqFile));
    const Status filled = shell::FillReaderPanel(ui, state);
    QVERIFY(!filled.ok());
    QCOMPARE(filled.error(), QStringLiteral("No such file or directory"));
    // Nothing had been changed before the failure.
    QCOMPARE(ui.txtSubject->text(), QStringLiteral("Old"));
    QVERIFY(ui.txtFAQ->text().startsWith(QLatin1String("old body")));
}

void TestReaderPanel::pipeInTheDocumentsPlaceReported()
{
    // Nothing writes to the pipe: reading it as a file would wait for ever.
    state.FaqFile = writeFaq("Subject=Old\r\n");
    QVERIFY(QFile::remove(state.FaqFile));
    QCOMPARE(::mkfifo(QFile::encodeName(state.FaqFile).constData(), 0600), 0);
    const Status filled = shell::FillReaderPanel(ui, state);
    QVERIFY(!filled.ok());
    QVERIFY2(filled.error().contains(QLatin1String("a pipe")), qPrintable(filled.error()));
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
    QVERIFY(shell::FillReaderPanel(ui, state).ok());
    QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed())));
    QTest::qWait(50);

    richtext::RichTextBox &box = *ui.txtFAQ;
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

void TestReaderPanel::linksOfLargeBodyFollowTheRules()
{
    // Every kind of line the rules treat specially, over and over, far beyond
    // index 32767; the first line starts with a link that is never looked for.
    // A line with commas is written in quotes so that it stays one line.
    const QList<QByteArray> lines = {
        "see www.a%1.com, now",
        "go http://www.x%1.org/ ok",
        "x WWW.CAPS%1.COM y hTTp://mixed%1.case",
        "www.at.line.start%1",
        "a www.www.www.x%1 b http:http:%1",
        "tab\twww.a%1\tb and a no-break space www.n%1\xA0"
        "b",
        "",
        "trailing www.t%1.org",
        "   indented www.i%1.org",
        "nothing here %1",
        "mail me@www.m%1.org or (www.bracket%1.org)",
    };
    QByteArray doc = "Subject=Links\r\n[body]\r\nwww.first.org starts the body\r\n";
    QByteArray body = "www.first.org starts the body\r\n";
    for (int i = 0; doc.size() < 300000; ++i) {
        const QByteArray line = QByteArray(lines[i % lines.size()]).replace("%1", QByteArray::number(i));
        doc += (line.contains(',') ? '"' + line + '"' : line) + "\r\n";
        body += line.trimmed() + "\r\n"; // the reader skips blanks before a field
    }
    doc += "last www.end.org\r\n[/body]\r\n";
    body += "last www.end.org";
    state.FaqFile = writeFaq(doc);
    QVERIFY(shell::FillReaderPanel(ui, state).ok());

    const ReferenceLinks expected =
        ColourByTheRules(text::DecodeAnsi(body), {QStringLiteral("www."), QStringLiteral("http:")});
    QCOMPARE(ui.txtFAQ->text().size(), expected.text.size());
    QVERIFY(ui.txtFAQ->text() == expected.text);
    const QString mask = FastLinkMask(*ui.txtFAQ);
    QCOMPARE(mask.size(), expected.mask.size());
    for (qsizetype i = 0; i < mask.size(); ++i)
        if (mask[i] != expected.mask[i])
            QFAIL(qPrintable(QStringLiteral("index %1: %2 instead of %3 in \"%4\"")
                                 .arg(i)
                                 .arg(mask[i])
                                 .arg(expected.mask[i])
                                 .arg(expected.text.mid(qMax<qsizetype>(0, i - 30), 60))));
    QCOMPARE(ui.txtFAQ->selStart(), expected.caret);
    QVERIFY(expected.mask.count(QLatin1Char('#')) > 100000);
}

void TestReaderPanel::overlappingLinksInLinearTime()
{
    // One word of 25,000 overlapping matches. Formatted again for every match,
    // this took about a minute and gigabytes of memory.
    const QByteArray word = QByteArray("www.").repeated(25000);
    state.FaqFile = writeFaq("Subject=Long word\r\n[body]\r\n" + word + "\r\n[/body]\r\n");
    QElapsedTimer timer;
    timer.start();
    QVERIFY(shell::FillReaderPanel(ui, state).ok());
    QApplication::processEvents();
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    // Index 0 is never looked at and "ww." at 1 to 3 is no match: the link runs
    // from the second "www." to the end of the word.
    QCOMPARE(ui.txtFAQ->text(), QString::fromLatin1(word) + QStringLiteral("    "));
    QCOMPARE(FastLinkMask(*ui.txtFAQ),
             QStringLiteral("....") + QString(word.size() - 4, QLatin1Char('#')) + QStringLiteral("...."));
    QCOMPARE(ui.txtFAQ->selStart(), word.size() - 3);
}

void TestReaderPanel::richTextBodyKeepsItsFormattingUnderLinks()
{
    state.FaqFile = writeFaq("Subject=Rich\r\n[body]\r\n"
                             "{\\rtf1 see {\\b www.bold.org} and {\\ul http://under.org} end}\r\n[/body]\r\n");
    QVERIFY(shell::FillReaderPanel(ui, state).ok());
    richtext::RichTextBox &box = *ui.txtFAQ;
    QCOMPARE(box.text(), QStringLiteral("see www.bold.org and http://under.org end    "));
    QCOMPARE(LinkMask(box), QStringLiteral("....############.....################........"));
    const auto formatAt = [&box](int index) {
        QTextCursor c(box.document());
        c.setPosition(box.indexToPosition(index) + 1);
        return c.charFormat();
    };
    QCOMPARE(formatAt(5).fontWeight(), int(QFont::Bold));
    // The document's own underline is not the link's: it stays when the link
    // attribute goes.
    QVERIFY(formatAt(5).boolProperty(document::kLinkUnderline));
    QVERIFY(!formatAt(22).boolProperty(document::kLinkUnderline));
    QCOMPARE(box.selStart(), 22);
}

void TestReaderPanel::newerFillWins()
{
    // Filling the reader lets events run; a fill started meanwhile (another
    // Read, a click on the reader node) shows the newer document, and the older
    // fill must not overwrite it when it resumes.
    const QString older = writeFaq("Subject=Older\r\nVersion=1\r\n[body]\r\nold www.old.org\r\n[/body]\r\n");
    const QString newer = state.AppDir + QStringLiteral("newer.txt");
    testsupport::WriteFile(newer, "Subject=Newer\r\nVersion=2\r\n[body]\r\nnew www.new.org\r\n[/body]\r\n");
    state.FaqFile = older;
    bool nested = false;
    QTimer::singleShot(0, this, [&] {
        state.FaqFile = newer;
        nested = shell::FillReaderPanel(ui, state).ok();
    });
    QVERIFY(shell::FillReaderPanel(ui, state).ok());
    QVERIFY(nested);
    QCOMPARE(ui.txtSubject->text(), QStringLiteral("Newer"));
    QCOMPARE(ui.txtVersion->text(), QStringLiteral("2"));
    QCOMPARE(ui.txtFAQ->text(), QStringLiteral("new www.new.org    "));
    QCOMPARE(state.FaqFile, newer);
    QVERIFY(!QFile::exists(older + QStringLiteral(".tmp")));
    QVERIFY(!QFile::exists(newer + QStringLiteral(".tmp")));
}

QTEST_MAIN(TestReaderPanel)
#include "test_readerpanel.moc"
