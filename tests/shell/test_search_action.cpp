// The search action as the user sees it, on real widgets (offscreen): the hits
// listed, the progress window, the buttons, the warnings, Enter in the box.
#include "index/IndexReference.h"
#include "shell/ProgressWindow.h"
#include "shell/SearchAction.h"
#include "support/MainWindow.h"
#include "support/SearchPanel.h"
#include "text/CodePage.h"

#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>
#include <functional>

using namespace veldra;
using shell::Form2;
using shell::kResultTagRole;
using shell::SearchOutcome;
using testsupport::Child;

namespace
{

using Panel = testsupport::SearchPanel;

QStringList Strings(std::initializer_list<const char *> texts)
{
    QStringList out;
    for (const char *t : texts)
        out << QString::fromUtf8(t);
    return out;
}

QStringList Rows(const QTreeWidget *list)
{
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = list->topLevelItem(i);
        rows << item->text(0) + QLatin1Char('|') + item->text(1) + QLatin1Char('|') +
                    item->data(0, kResultTagRole).toString();
    }
    return rows;
}

// Runs `hook` inside the search, where it lets pending events run once.
void DuringSearch(std::function<void()> hook)
{
    auto *context = new QObject;
    QMetaObject::invokeMethod(
        context,
        [context, hook] {
            hook();
            context->deleteLater();
        },
        Qt::QueuedConnection);
}

} // namespace

class TestSearchAction : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void listsHits_data();
    void listsHits();
    void stopsAt500Hits();
    void trimsTheBox();
    void longSubjectShownShort();
    void emptyTextChangesNothing();
    void emptyTextWarns();
    void noIndexFileNameDoesNothing();
    void missingIndexFindsNothing();
    void progressWhileSearching();
    void requestDuringSearchIsIgnored();
    void enterInSearchBoxSearches();
    void clickOnResultEnablesRead();

private:
    void writeIndex(const QByteArray &bytes);
    // The main window, searching the test's index.
    std::unique_ptr<testsupport::MainWindow> mainWindow();
    QTemporaryDir m_dir;
    QString m_indexFile;
};

void TestSearchAction::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestSearchAction::init()
{
    m_indexFile = m_dir.filePath(QStringLiteral("script.dat"));
    QFile::remove(m_indexFile);
}

void TestSearchAction::writeIndex(const QByteArray &bytes)
{
    QFile f(m_indexFile);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

std::unique_ptr<testsupport::MainWindow> TestSearchAction::mainWindow()
{
    auto w = std::make_unique<testsupport::MainWindow>();
    w->state.AppName = QStringLiteral("Veldra");
    w->state.IndexFile = m_indexFile;
    return w;
}

void TestSearchAction::listsHits_data()
{
    QTest::addColumn<QString>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("found");
    const QString pair = QStringLiteral("a.faq=Proxy]\r\n");
    QTest::newRow("hit in subject") << "a.faq=Proxy set-up]\r\n"
                                    << "proxy" << Strings({"Proxy set-up|7|a.faq"}) << 1;
    QTest::newRow("hit in file name") << "tips.faq=Printing]\r\n"
                                      << "TIPS" << Strings({"Printing|1|tips.faq"}) << 1;
    QTest::newRow("no bracket") << "a.faq=Proxy set-up\r\n"
                                << "proxy" << QStringList() << 0;
    QTest::newRow("no equals") << "Proxy set-up]\r\n"
                               << "proxy" << QStringList() << 0;
    QTest::newRow("bracket before equals") << "x]proxy=z\r\n"
                                           << "proxy" << QStringList() << 0;
    QTest::newRow("empty subject counted") << "a=]\r\n"
                                           << "a" << QStringList() << 1;
    QTest::newRow("blank subject counted") << "a=   ]\r\nb=Proxy]\r\n"
                                           << "=" << Strings({"Proxy|2|b"}) << 2;
    QTest::newRow("later field decides") << pair + QStringLiteral("b.faq=Proxy set-up]\r\n") << "proxy"
                                         << Strings({"Proxy|7|b.faq", "Proxy set-up|7|b.faq"}) << 2;
    QTest::newRow("unquoted comma") << pair + QStringLiteral("c.faq=Intro, Proxy]\r\n") << "proxy"
                                    << Strings({"Proxy|7|"}) << 1;
    QTest::newRow("quoted comma") << pair + QStringLiteral("\"c.faq=Intro, Proxy]\"\r\n") << "proxy"
                                  << Strings({"Proxy|7|c.faq", "Intro, Proxy|14|c.faq"}) << 2;
    QTest::newRow("first equals, last bracket") << "a=b=c]\r\nd=b]c]\r\n"
                                                << "B" << Strings({"b=c|3|a", "b]c|3|d"}) << 2;
    QTest::newRow("accents without case") << "é.faq=École d'été]\r\nx.faq=ŒUVRE]\r\n"
                                          << "ÉCOLE D'ÉTÉ" << Strings({"École d'été|7|é.faq"}) << 1;
    QTest::newRow("text after bracket") << "a.faq=Proxy] old\r\n"
                                        << "old" << Strings({"Proxy|14|a.faq"}) << 1;
    QTest::newRow("subject trimmed") << "a.faq=  Proxy  ]\r\n"
                                     << "proxy" << Strings({"Proxy|9|a.faq"}) << 1;
    QTest::newRow("file name untrimmed") << " a.faq =Proxy]\r\n"
                                         << "proxy" << Strings({"Proxy|8|a.faq "}) << 1;
    QTest::newRow("final empty line") << pair + QStringLiteral("\r\n") << "proxy" << Strings({"Proxy|7|a.faq"}) << 1;
    QTest::newRow("no hits") << "a.faq=Intro]\r\n"
                             << "proxy" << QStringList() << 0;
    QTest::newRow("empty index") << ""
                                 << "proxy" << QStringList() << 0;
}

void TestSearchAction::listsHits()
{
    QFETCH(QString, index);
    QFETCH(QString, text);
    QFETCH(QStringList, rows);
    QFETCH(int, found);
    writeIndex(text::EncodeAnsi(index));
    Panel p(m_indexFile);
    p.label->setText(QStringLiteral("Found: 99"));
    p.search->setEnabled(false);
    p.read->setEnabled(true);
    p.list->setHeaderLabels({QStringLiteral("old")});
    p.list->addTopLevelItem(new QTreeWidgetItem({QStringLiteral("old hit")}));

    p.run(text);

    QCOMPARE(Rows(p.list), rows);
    QCOMPARE(p.label->text(), QStringLiteral("Found: %1").arg(found));
    QCOMPARE(int(p.action.SearchHitCount()), found);
    QCOMPARE(p.list->columnCount(), 2);
    QCOMPARE(p.list->headerItem()->text(0), QStringLiteral("Subject"));
    QCOMPARE(p.list->headerItem()->text(1), QStringLiteral("Found at character"));
    // 497 pixels are 7455 twips: (7455 / 2 + 2000) / 15 and (7455 - 90) / 15.
    QCOMPARE(p.list->columnWidth(0), 382);
    QCOMPARE(p.list->columnWidth(1), 491);
    for (int i = 0; i < p.list->topLevelItemCount(); ++i)
        QVERIFY(!p.list->topLevelItem(i)->icon(0).isNull());
    QVERIFY(!p.progress.existing());
    QVERIFY(p.search->isEnabled());
    QVERIFY(!p.read->isEnabled());
}

void TestSearchAction::stopsAt500Hits()
{
    QByteArray index;
    for (int i = 1; i <= 600; ++i)
        index += QStringLiteral("f%1.faq=  Proxy %1]\r\n").arg(i).toLatin1();
    writeIndex(index);
    Panel p(m_indexFile);
    p.run(QStringLiteral("PROXY"));

    QCOMPARE(p.label->text(), QStringLiteral("Found: 500"));
    QCOMPARE(int(p.action.SearchHitCount()), 500);
    const QVector<ReferenceHit> expected = ReferenceSearch(m_indexFile, QStringLiteral("PROXY"));
    QCOMPARE(expected.size(), 500);
    const QStringList rows = Rows(p.list);
    QCOMPARE(rows.size(), 500);
    for (int i = 0; i < 500; ++i) {
        const QString subject = ReferenceTrim(expected[i].Subject);
        QCOMPARE(p.action.SearchHits()[i].Subject, subject);
        QCOMPARE(p.action.SearchHits()[i].Position, expected[i].Position);
        QCOMPARE(rows[i], QStringLiteral("%1|%2|%3").arg(subject).arg(expected[i].Position).arg(expected[i].FileName));
    }
    // "Proxy 1" occurs last in "Proxy 199"; records after the 500th count too.
    QCOMPARE(rows.first(), QStringLiteral("Proxy 1|10|f199.faq"));
    QCOMPARE(rows.at(49), QStringLiteral("Proxy 50|11|f509.faq"));
}

void TestSearchAction::longSubjectShownShort()
{
    // A subject of 5,000 characters: the list and the status line show its
    // start and "…"; the hit keeps it whole, and its file name is found.
    const QString subject = QStringLiteral("Proxy ") + QString(4994, QLatin1Char('x'));
    writeIndex(text::EncodeAnsi(QStringLiteral("long.faq=") + subject + QStringLiteral("]\r\n")));
    Panel p(m_indexFile);
    p.run(QStringLiteral("proxy"));
    const QString shown = p.list->topLevelItem(0)->text(0);
    QCOMPARE(shown.size(), 1024);
    QVERIFY(shown.startsWith(QLatin1String("Proxy xxx")) && shown.endsWith(QChar(0x2026)));
    QCOMPARE(p.list->topLevelItem(0)->data(0, kResultTagRole).toString(), QStringLiteral("long.faq"));
    QCOMPARE(p.action.SearchHits()[0].Subject, subject);
    QCOMPARE(index::CheckingText(subject).size(),
             qsizetype(QStringLiteral("Checking server's filename for subject: ").size() + 1024));
}

void TestSearchAction::trimsTheBox()
{
    writeIndex("a.faq=Proxy]\r\n");
    Panel p(m_indexFile);
    p.run(QStringLiteral("   proxy  "));
    QCOMPARE(p.txt->text(), QStringLiteral("proxy"));
    QCOMPARE(Rows(p.list), QStringList{QStringLiteral("Proxy|7|a.faq")});
}

void TestSearchAction::emptyTextChangesNothing()
{
    writeIndex("a.faq=Proxy]\r\n");
    Panel p(m_indexFile);
    p.label->setText(QStringLiteral("Found: 3"));
    p.read->setEnabled(true);
    p.list->addTopLevelItem(new QTreeWidgetItem({QStringLiteral("earlier")}));
    QCOMPARE(p.run(QStringLiteral("    ")), SearchOutcome::NoText);

    QCOMPARE(p.txt->text(), QString());
    QCOMPARE(p.label->text(), QStringLiteral("Found: 3"));
    QCOMPARE(p.list->topLevelItemCount(), 1);
    QVERIFY(p.search->isEnabled());
    QVERIFY(p.read->isEnabled());
    QVERIFY(!p.progress.existing());
}

void TestSearchAction::emptyTextWarns()
{
    writeIndex("a.faq=Proxy]\r\n");
    const auto w = mainWindow();
    auto *box = w->child<QLineEdit>("txtSearchText");
    box->setText(QStringLiteral("   "));
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(w->reporter.boxes.size(), 1);
    QCOMPARE(w->reporter.boxes[0].text, QStringLiteral("No text to search for!"));
    QCOMPARE(w->reporter.boxes[0].style, desktop::MsgBoxStyle::Exclamation);
    QCOMPARE(w->reporter.boxes[0].title, QStringLiteral("Veldra"));
    QCOMPARE(w->child<QLabel>("Label2")->text(), QString());
}

void TestSearchAction::noIndexFileNameDoesNothing()
{
    m_indexFile.clear();
    Panel p(m_indexFile);
    QCOMPARE(p.run(QStringLiteral("  proxy ")), SearchOutcome::Skipped);
    QCOMPARE(p.txt->text(), QStringLiteral("  proxy "));
    QCOMPARE(p.label->text(), QString());
    QCOMPARE(p.list->columnCount(), 1);
}

void TestSearchAction::missingIndexFindsNothing()
{
    Panel p(m_indexFile);
    p.run(QStringLiteral("proxy"));
    QCOMPARE(p.label->text(), QStringLiteral("Found: 0"));
    QCOMPARE(p.list->topLevelItemCount(), 0);
    QCOMPARE(p.list->columnCount(), 2);
    QVERIFY(p.search->isEnabled());
}

void TestSearchAction::progressWhileSearching()
{
    writeIndex("a.faq=Proxy]\r\nb=]\r\nc.faq=Proxy set-up]\r\n");
    Panel p(m_indexFile);
    p.read->setEnabled(true);
    QStringList seen;
    QStringList painted;
    QList<QPair<int, int>> values;
    struct PaintRecorder : QObject {
        QStringList *painted;
        bool eventFilter(QObject *o, QEvent *e) override
        {
            if (e->type() == QEvent::Paint)
                painted->append(static_cast<QLabel *>(o)->text());
            return false;
        }
    } recorder;
    recorder.painted = &painted;
    DuringSearch([&] {
        Form2 *f = p.progress.existing();
        QVERIFY(f);
        auto *status = Child<QLabel>(f, "Status");
        auto *bar = Child<QProgressBar>(f, "Prog");
        seen << f->windowTitle() << status->text() << QString::number(status->isVisible())
             << QString::number(bar->isVisible()) << QString::number(p.search->isEnabled())
             << QString::number(p.read->isEnabled());
        QObject::connect(bar, &QProgressBar::valueChanged, f, [&values, bar](int v) {
            values.append({v, bar->maximum()});
        });
        status->installEventFilter(&recorder);
    });
    p.run(QStringLiteral("="));

    QCOMPARE(seen, (Strings({"Search", "Please wait, searching...", "1", "1", "0", "0"})));
    // The hit with the empty subject (second of three) is counted, not listed.
    QCOMPARE(p.label->text(), QStringLiteral("Found: 3"));
    // The bar shares the window with the label, so its repaints paint the label
    // again; what matters is that each status line reached the screen in turn.
    painted.removeAll(QStringLiteral("Please wait, searching..."));
    painted.erase(std::unique(painted.begin(), painted.end()), painted.end());
    QCOMPARE(painted, (Strings({"Checking server's filename for subject: Proxy",
                                "Checking server's filename for subject: Proxy set-up"})));
    QVERIFY(values.contains(qMakePair(100, 100)));
    QCOMPARE(values.last(), qMakePair(2, 3));
    QVERIFY(!p.progress.existing());
}

void TestSearchAction::requestDuringSearchIsIgnored()
{
    writeIndex("a.faq=Proxy]\r\nb.faq=Intro]\r\n");
    Panel p(m_indexFile);
    DuringSearch([&] {
        p.txt->setText(QStringLiteral("  intro  "));
        QCOMPARE(p.action.run(p.ui, p.indexFile), SearchOutcome::Skipped);
    });
    p.run(QStringLiteral("proxy"));
    QCOMPARE(Rows(p.list), QStringList{QStringLiteral("Proxy|7|a.faq")});
    QCOMPARE(p.txt->text(), QStringLiteral("  intro  "));
    QCOMPARE(p.label->text(), QStringLiteral("Found: 1"));
    QVERIFY(p.search->isEnabled());

    // Once the search is over the next request runs.
    p.action.run(p.ui, p.indexFile);
    QCOMPARE(Rows(p.list), QStringList{QStringLiteral("Intro|7|b.faq")});
}

void TestSearchAction::enterInSearchBoxSearches()
{
    writeIndex("a.faq=Proxy]\r\nb.faq=Intro]\r\n");
    const auto w = mainWindow();
    auto *txtSearchText = w->child<QLineEdit>("txtSearchText");
    auto *Label2 = w->child<QLabel>("Label2");
    auto *cmdSearch = w->child<QPushButton>("cmdSearch");
    txtSearchText->setText(QStringLiteral("proxy"));
    QTest::keyClick(txtSearchText, Qt::Key_X);
    QCOMPARE(Label2->text(), QString());
    txtSearchText->setText(QStringLiteral(" proxy"));
    cmdSearch->setEnabled(false); // Enter searches even then
    QTest::keyClick(txtSearchText, Qt::Key_Return);
    QCOMPARE(Label2->text(), QStringLiteral("Found: 1"));
    QCOMPARE(txtSearchText->text(), QStringLiteral("proxy"));
    QVERIFY(cmdSearch->isEnabled());

    // An Enter pressed while the search runs starts no second search.
    DuringSearch([txtSearchText] {
        txtSearchText->setText(QStringLiteral("  intro  "));
        QTest::keyClick(txtSearchText, Qt::Key_Return);
    });
    QTest::keyClick(txtSearchText, Qt::Key_Enter);
    QCOMPARE(txtSearchText->text(), QStringLiteral("  intro  "));
    QCOMPARE(Rows(w->child<QTreeWidget>("lstResults")), QStringList{QStringLiteral("Proxy|7|a.faq")});
}

void TestSearchAction::clickOnResultEnablesRead()
{
    writeIndex("a.faq=Proxy]\r\n");
    const auto w = mainWindow();
    shell::Form1 *f = w->form.get();
    auto *cmdRead = w->child<QPushButton>("cmdRead");
    auto *lstResults = w->child<QTreeWidget>("lstResults");
    w->child<QGroupBox>("frameSearchOnline")->show();
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    w->child<QLineEdit>("txtSearchText")->setText(QStringLiteral("proxy"));
    f->cmdSearch_Click();
    QVERIFY(!cmdRead->isEnabled());
    QTreeWidgetItem *item = lstResults->topLevelItem(0);
    QVERIFY(item);
    const QRect rect = lstResults->visualItemRect(item);
    QTest::mouseClick(lstResults->viewport(), Qt::LeftButton, {}, rect.center());
    QVERIFY(cmdRead->isEnabled());
    QCOMPARE(lstResults->currentItem()->data(0, kResultTagRole).toString(), QStringLiteral("a.faq"));
}

QTEST_MAIN(TestSearchAction)
#include "test_search_action.moc"
