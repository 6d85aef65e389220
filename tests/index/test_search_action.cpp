// The search action as the user sees it, on real widgets (offscreen): the hits
// listed, the progress window, the buttons, the warnings, Enter in the box.
#include "IndexReference.h"
#include "index/SearchAction.h"
#include "platform/CodePage.h"
#include "platform/MessageBox.h"
#include "settings/Module1.h"
#include "shell/Form1.h"
#include "shell/Form2.h"

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

namespace
{

// A search panel of its own: the list is as wide as the main window's.
struct Panel {
    QWidget owner;
    QLineEdit *txt = new QLineEdit(&owner);
    QPushButton *search = new QPushButton(&owner);
    QPushButton *read = new QPushButton(&owner);
    QTreeWidget *list = new QTreeWidget(&owner);
    QLabel *label = new QLabel(&owner);
    SearchPanel ui{txt, search, read, list, label, &owner};
    Panel() { list->setGeometry(8, 64, 497, 337); }
    void run(const QString &text)
    {
        txt->setText(text);
        SearchAction(ui);
    }
};

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
    void emptyTextWarns();
    void noIndexFileNameDoesNothing();
    void missingIndexFindsNothing();
    void progressWhileSearching();
    void requestDuringSearchIsIgnored();
    void enterInSearchBoxSearches();
    void clickOnResultEnablesRead();

private:
    void writeIndex(const QByteArray &bytes);
    QTemporaryDir m_dir;
    QList<platform::MsgBoxCall> m_boxes;
};

void TestSearchAction::initTestCase()
{
    QVERIFY(m_dir.isValid());
    Module1::AppName = QStringLiteral("Veldra");
    platform::SetMsgBoxHook([this](const platform::MsgBoxCall &call) { m_boxes.append(call); });
}

void TestSearchAction::init()
{
    m_boxes.clear();
    Module1::IndexFile = m_dir.filePath(QStringLiteral("script.dat"));
    QFile::remove(Module1::IndexFile);
}

void TestSearchAction::writeIndex(const QByteArray &bytes)
{
    QFile f(Module1::IndexFile);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
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
    writeIndex(platform::EncodeAnsi(index));
    Panel p;
    p.label->setText(QStringLiteral("Found: 99"));
    p.search->setEnabled(false);
    p.read->setEnabled(true);
    p.list->setHeaderLabels({QStringLiteral("old")});
    p.list->addTopLevelItem(new QTreeWidgetItem({QStringLiteral("old hit")}));

    p.run(text);

    QCOMPARE(Rows(p.list), rows);
    QCOMPARE(p.label->text(), QStringLiteral("Found: %1").arg(found));
    QCOMPARE(int(Module1::SearchHitCount), found);
    QCOMPARE(p.list->columnCount(), 2);
    QCOMPARE(p.list->headerItem()->text(0), QStringLiteral("Subject"));
    QCOMPARE(p.list->headerItem()->text(1), QStringLiteral("Found at character"));
    // 497 pixels are 7455 twips: (7455 / 2 + 2000) / 15 and (7455 - 90) / 15.
    QCOMPARE(p.list->columnWidth(0), 382);
    QCOMPARE(p.list->columnWidth(1), 491);
    for (int i = 0; i < p.list->topLevelItemCount(); ++i)
        QVERIFY(!p.list->topLevelItem(i)->icon(0).isNull());
    QVERIFY(!Form2::Existing());
    QVERIFY(p.search->isEnabled());
    QVERIFY(!p.read->isEnabled());
    QVERIFY(m_boxes.isEmpty());
}

void TestSearchAction::stopsAt500Hits()
{
    QByteArray index;
    for (int i = 1; i <= 600; ++i)
        index += QStringLiteral("f%1.faq=  Proxy %1]\r\n").arg(i).toLatin1();
    writeIndex(index);
    Panel p;
    p.run(QStringLiteral("PROXY"));

    QCOMPARE(p.label->text(), QStringLiteral("Found: 500"));
    QCOMPARE(int(Module1::SearchHitCount), 500);
    const QVector<ReferenceHit> expected = ReferenceSearch(Module1::IndexFile, QStringLiteral("PROXY"));
    QCOMPARE(expected.size(), 500);
    const QStringList rows = Rows(p.list);
    QCOMPARE(rows.size(), 500);
    for (int i = 0; i < 500; ++i) {
        const QString subject = ReferenceTrim(expected[i].Subject);
        QCOMPARE(Module1::SearchHits[i].Subject, subject);
        QCOMPARE(Module1::SearchHits[i].Position, expected[i].Position);
        QCOMPARE(rows[i], QStringLiteral("%1|%2|%3").arg(subject).arg(expected[i].Position).arg(expected[i].FileName));
    }
    // "Proxy 1" occurs last in "Proxy 199"; records after the 500th count too.
    QCOMPARE(rows.first(), QStringLiteral("Proxy 1|10|f199.faq"));
    QCOMPARE(rows.at(49), QStringLiteral("Proxy 50|11|f509.faq"));
}

void TestSearchAction::trimsTheBox()
{
    writeIndex("a.faq=Proxy]\r\n");
    Panel p;
    p.run(QStringLiteral("   proxy  "));
    QCOMPARE(p.txt->text(), QStringLiteral("proxy"));
    QCOMPARE(Rows(p.list), QStringList{QStringLiteral("Proxy|7|a.faq")});
}

void TestSearchAction::emptyTextWarns()
{
    writeIndex("a.faq=Proxy]\r\n");
    Panel p;
    p.label->setText(QStringLiteral("Found: 3"));
    p.read->setEnabled(true);
    p.list->addTopLevelItem(new QTreeWidgetItem({QStringLiteral("earlier")}));
    p.run(QStringLiteral("    "));

    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].text, QStringLiteral("No text to search for!"));
    QCOMPARE(m_boxes[0].style, 48);
    QCOMPARE(m_boxes[0].title, QStringLiteral("Veldra"));
    QCOMPARE(p.txt->text(), QString());
    QCOMPARE(p.label->text(), QStringLiteral("Found: 3"));
    QCOMPARE(p.list->topLevelItemCount(), 1);
    QVERIFY(p.search->isEnabled());
    QVERIFY(p.read->isEnabled());
    QVERIFY(!Form2::Existing());
}

void TestSearchAction::noIndexFileNameDoesNothing()
{
    Module1::IndexFile.clear();
    Panel p;
    p.run(QStringLiteral("  proxy "));
    QCOMPARE(p.txt->text(), QStringLiteral("  proxy "));
    QCOMPARE(p.label->text(), QString());
    QCOMPARE(p.list->columnCount(), 1);
    QVERIFY(m_boxes.isEmpty());
}

void TestSearchAction::missingIndexFindsNothing()
{
    Panel p;
    p.run(QStringLiteral("proxy"));
    QCOMPARE(p.label->text(), QStringLiteral("Found: 0"));
    QCOMPARE(p.list->topLevelItemCount(), 0);
    QCOMPARE(p.list->columnCount(), 2);
    QVERIFY(m_boxes.isEmpty());
    QVERIFY(p.search->isEnabled());
}

void TestSearchAction::progressWhileSearching()
{
    writeIndex("a.faq=Proxy]\r\nb=]\r\nc.faq=Proxy set-up]\r\n");
    Panel p;
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
        Form2 *f = Form2::Existing();
        QVERIFY(f);
        seen << f->windowTitle() << f->Status->text() << QString::number(f->Status->isVisible())
             << QString::number(f->Prog->isVisible()) << QString::number(p.search->isEnabled())
             << QString::number(p.read->isEnabled());
        QObject::connect(f->Prog, &QProgressBar::valueChanged, f, [&values, f](int v) {
            values.append({v, f->Prog->maximum()});
        });
        f->Status->installEventFilter(&recorder);
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
    QVERIFY(!Form2::Existing());
}

void TestSearchAction::requestDuringSearchIsIgnored()
{
    writeIndex("a.faq=Proxy]\r\nb.faq=Intro]\r\n");
    Panel p;
    DuringSearch([&] {
        p.txt->setText(QStringLiteral("  intro  "));
        SearchAction(p.ui);
    });
    p.run(QStringLiteral("proxy"));
    QCOMPARE(Rows(p.list), QStringList{QStringLiteral("Proxy|7|a.faq")});
    QCOMPARE(p.txt->text(), QStringLiteral("  intro  "));
    QCOMPARE(p.label->text(), QStringLiteral("Found: 1"));
    QVERIFY(p.search->isEnabled());

    // Once the search is over the next request runs.
    SearchAction(p.ui);
    QCOMPARE(Rows(p.list), QStringList{QStringLiteral("Intro|7|b.faq")});
}

void TestSearchAction::enterInSearchBoxSearches()
{
    writeIndex("a.faq=Proxy]\r\nb.faq=Intro]\r\n");
    Form1 *f = Form1::Get();
    f->txtSearchText->setText(QStringLiteral("proxy"));
    QTest::keyClick(f->txtSearchText, Qt::Key_X);
    QCOMPARE(f->Label2->text(), QString());
    f->txtSearchText->setText(QStringLiteral(" proxy"));
    f->cmdSearch->setEnabled(false); // Enter searches even then
    QTest::keyClick(f->txtSearchText, Qt::Key_Return);
    QCOMPARE(f->Label2->text(), QStringLiteral("Found: 1"));
    QCOMPARE(f->txtSearchText->text(), QStringLiteral("proxy"));
    QVERIFY(f->cmdSearch->isEnabled());

    // An Enter pressed while the search runs starts no second search.
    DuringSearch([f] {
        f->txtSearchText->setText(QStringLiteral("  intro  "));
        QTest::keyClick(f->txtSearchText, Qt::Key_Return);
    });
    QTest::keyClick(f->txtSearchText, Qt::Key_Enter);
    QCOMPARE(f->txtSearchText->text(), QStringLiteral("  intro  "));
    QCOMPARE(Rows(f->lstResults), QStringList{QStringLiteral("Proxy|7|a.faq")});
    delete f;
}

void TestSearchAction::clickOnResultEnablesRead()
{
    writeIndex("a.faq=Proxy]\r\n");
    Form1 *f = Form1::Get();
    f->frameSearchOnline->show();
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    f->txtSearchText->setText(QStringLiteral("proxy"));
    f->cmdSearch_Click();
    QVERIFY(!f->cmdRead->isEnabled());
    QTreeWidgetItem *item = f->lstResults->topLevelItem(0);
    QVERIFY(item);
    const QRect rect = f->lstResults->visualItemRect(item);
    QTest::mouseClick(f->lstResults->viewport(), Qt::LeftButton, {}, rect.center());
    QVERIFY(f->cmdRead->isEnabled());
    QCOMPARE(f->lstResults->currentItem()->data(0, kResultTagRole).toString(), QStringLiteral("a.faq"));
    delete f;
}

QTEST_MAIN(TestSearchAction)
#include "test_search_action.moc"
