#include "platform/MessageBox.h"
#include "platform/RichTextBox.h"
#include "settings/Form5.h"
#include "settings/Module1.h"
#include "shell/Form1.h"
#include "shell/Form2.h"
#include "shell/Form3.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

// The main window's navigation, info box, about box, progress window and
// window life cycle, driven offscreen.
class TestShell : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void treeAfterSetTVNodes();
    void nodeClickSwitchesPanels_data();
    void nodeClickSwitchesPanels();
    void nodeClickOnOtherTagChangesOnlyLabelAndPicture();
    void aboutBoxText();
    void proxyNodeOpensDialogModallyEachTime();
    void layoutMatchesTwipsTable();
    void progressWindowStates();
    void progressWindowClosedByUserStaysClosedForOperation();
    void functionsMenu();

private:
    Form1 *f = nullptr;
    QList<platform::MsgBoxCall> boxes;
};

void TestShell::init()
{
    Module1::AppName = QStringLiteral("Veldra");
    boxes.clear();
    platform::SetMsgBoxHook([this](const platform::MsgBoxCall &c) { boxes.append(c); });
    f = Form1::Get();
    f->SetTVNodes();
}

void TestShell::cleanup()
{
    delete f;
    delete Form2::Existing();
    delete Form3::Existing();
    delete Form5::Existing();
    platform::SetMsgBoxHook({});
}

void TestShell::treeAfterSetTVNodes()
{
    QCOMPARE(f->TV->topLevelItemCount(), 3);
    const QStringList expected = {QStringLiteral("Veldra"),         QStringLiteral("Community News"),
                                  QStringLiteral("Search Solution"), QStringLiteral("FAQ-Reader"),
                                  QStringLiteral("Settings"),       QStringLiteral("Proxy settings"),
                                  QStringLiteral("More"),           QStringLiteral("About...")};
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(f->TVNode(i + 1)->text(0), expected.at(i));
    QCOMPARE(f->TVNode(4)->parent(), f->TVNode(1));
    QCOMPARE(f->TVNode(6)->parent(), f->TVNode(5));
    QCOMPARE(f->TVNode(8)->parent(), f->TVNode(7));
    for (int top : {1, 5, 7})
        QVERIFY(f->TVNode(top)->isExpanded());
    QCOMPARE(f->TV->currentItem(), f->TVNode(2));
    QCOMPARE(f->Label3->text(), QStringLiteral("Community News"));
    QCOMPARE(f->Info->text(), QStringLiteral("Read todays community news"));
    QVERIFY(!f->Picture1->pixmap().isNull());
    QVERIFY(!f->frameNews->isHidden());
    QVERIFY(f->frameSearchOnline->isHidden());
    QVERIFY(f->frameReader->isHidden());
    QVERIFY(!f->cmdRead->isEnabled());
    QVERIFY(!f->cmdExtraFunctions->isEnabled());
    QVERIFY(f->windowTitle().startsWith(QStringLiteral("Veldra v2.0")));
}

void TestShell::nodeClickSwitchesPanels_data()
{
    QTest::addColumn<int>("node");
    QTest::addColumn<QString>("info");
    QTest::addColumn<QString>("visible"); // which panel is visible afterwards
    QTest::newRow("root") << 1 << QStringLiteral("Explore the world of Veldra!") << QStringLiteral("search");
    QTest::newRow("news") << 2 << QStringLiteral("Read todays community news") << QStringLiteral("news");
    QTest::newRow("search") << 3 << QStringLiteral("Search for solutions on server") << QStringLiteral("search");
    QTest::newRow("reader") << 4 << QStringLiteral("Read your downloaded FAQ here") << QStringLiteral("reader");
    QTest::newRow("root2") << 5 << QStringLiteral("Configure Veldra") << QStringLiteral("search");
    QTest::newRow("root3") << 7 << QStringLiteral("Various options") << QStringLiteral("search");
    QTest::newRow("about") << 8 << QStringLiteral("About Veldra and the author") << QStringLiteral("search");
}

void TestShell::nodeClickSwitchesPanels()
{
    QFETCH(int, node);
    QFETCH(QString, info);
    QFETCH(QString, visible);
    // Start from the search panel so "unchanged" is told apart from "news".
    f->TV_NodeClick(f->TVNode(3));
    Module1::FaqFile.clear();
    f->TV_NodeClick(f->TVNode(node));
    QCOMPARE(f->Label3->text(), f->TVNode(node)->text(0));
    QCOMPARE(f->Info->text(), info);
    QCOMPARE(!f->frameSearchOnline->isHidden(), visible == QLatin1String("search"));
    QCOMPARE(!f->frameNews->isHidden(), visible == QLatin1String("news"));
    QCOMPARE(!f->frameReader->isHidden(), visible == QLatin1String("reader"));
}

void TestShell::nodeClickOnOtherTagChangesOnlyLabelAndPicture()
{
    QTreeWidgetItem *odd = new QTreeWidgetItem(f->TV);
    odd->setText(0, QStringLiteral("Odd"));
    odd->setData(0, Qt::UserRole + 11, QStringLiteral("News")); // tags compare case-sensitively
    f->TV_NodeClick(odd);
    QCOMPARE(f->Label3->text(), QStringLiteral("Odd"));
    QCOMPARE(f->Info->text(), QStringLiteral("Read todays community news"));
    QVERIFY(!f->frameNews->isHidden());
}

void TestShell::aboutBoxText()
{
    f->TV_NodeClick(f->TVNode(8));
    QCOMPARE(boxes.size(), 1);
    const platform::MsgBoxCall box = boxes.first();
    QCOMPARE(box.style, 0);
    QCOMPARE(box.title, QStringLiteral("Veldra"));
    QVERIFY(box.text.startsWith(QStringLiteral("\r\nVeldra v2.0\r\n")));
    const QStringList lines = box.text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 7); // empty first line, then six lines
    QVERIFY(lines.at(3).isEmpty());
    for (int i : {2, 4, 5, 6})
        QVERIFY(!lines.at(i).isEmpty());
}

void TestShell::proxyNodeOpensDialogModallyEachTime()
{
    int opened = 0;
    for (int round = 0; round < 2; ++round) {
        QTimer::singleShot(0, this, [&] {
            Form5 *dlg = Form5::Existing();
            QVERIFY(dlg);
            QVERIFY(dlg->isVisible());
            QVERIFY(dlg->isModal());
            ++opened;
            dlg->close();
        });
        f->TV_NodeClick(f->TVNode(6));
        QCOMPARE(f->Info->text(), QStringLiteral("Configure Veldra for use with a proxy server"));
    }
    QCOMPARE(opened, 2);
    QVERIFY(!f->frameNews->isHidden());
}

void TestShell::layoutMatchesTwipsTable()
{
    // Twips at 15 to the pixel.
    QCOMPARE(f->size(), QSize(695, 454));
    QCOMPARE(f->TV->geometry(), QRect(8, 24, 153, 273));
    QCOMPARE(f->frameReader->geometry(), QRect(184, 8, 505, 441));
    QCOMPARE(f->frameNews->geometry(), f->frameReader->geometry());
    QCOMPARE(f->frameSearchOnline->geometry(), f->frameReader->geometry());
    QCOMPARE(f->lstResults->geometry(), QRect(8, 64, 497, 337));
    QCOMPARE(f->txtFAQ->geometry(), QRect(16, 128, 473, 305));
    QCOMPARE(f->cmdRead->text(), QStringLiteral("&Read"));
    QCOMPARE(f->cmdSearch->text(), QStringLiteral("&Search"));
    QCOMPARE(f->cmdExtraFunctions->text(), QStringLiteral("&Extra functions"));
    QCOMPARE(f->Label1->text(), QStringLiteral("Search on server for:"));
    // Tab order among the input controls.
    QCOMPARE(f->txtSearchText->nextInFocusChain(), static_cast<QWidget *>(f->cmdSearch));
    QCOMPARE(f->cmdRead->nextInFocusChain(), static_cast<QWidget *>(f->News));
}

void TestShell::progressWindowStates()
{
    ShowProgress(QStringLiteral("Search"), QStringLiteral("first"), true, true, f);
    Form2 *p = Form2::Existing();
    QVERIFY(p && p->isVisible());
    QCOMPARE(p->outerHeightTwips(), 1665);
    QCOMPARE(p->width(), 509);
    ProgressSetMax(7);
    ProgressSetValue(5);
    // Reused: an empty status keeps the line, no bar keeps the value and lowers the window.
    ShowProgress(QStringLiteral("Please wait..."), QString(), false, false, f);
    QCOMPARE(Form2::Existing(), p);
    QCOMPARE(p->windowTitle(), QStringLiteral("Please wait..."));
    QCOMPARE(p->Status->text(), QStringLiteral("first"));
    QVERIFY(p->Status->isHidden());
    QVERIFY(p->Prog->isHidden());
    QCOMPARE(p->Prog->value(), 5);
    QCOMPARE(p->outerHeightTwips(), 1320);
    // Showing the bar resets it but keeps the maximum.
    ShowProgress(QStringLiteral("x"), QString(), true, true, f);
    QCOMPARE(p->Prog->value(), 0);
    QCOMPARE(p->Prog->maximum(), 7);
    // Closing destroys it; the next one starts afresh.
    CloseProgress();
    QVERIFY(!Form2::Existing());
    ShowProgress(QStringLiteral("y"), QString(), true, false, f);
    QVERIFY(Form2::Existing()->Status->text().isEmpty());
    QCOMPARE(Form2::Existing()->Prog->maximum(), 100);
    CloseProgress();
}

void TestShell::progressWindowClosedByUserStaysClosedForOperation()
{
    ShowProgress(QStringLiteral("Search"), QStringLiteral("s"), true, true, f);
    Form2::Existing()->close(); // the user's close button
    QVERIFY(!Form2::Existing());
    ProgressSetValue(50);
    ProgressSetStatus(QStringLiteral("later"), true);
    CloseProgress();
    QVERIFY(!Form2::Existing());
    ShowProgress(QStringLiteral("Again"), QString(), true, true, f);
    QVERIFY(Form2::Existing() && Form2::Existing()->isVisible());
    CloseProgress();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestShell::functionsMenu()
{
    Form3 *menus = Form3::Get();
    QCOMPARE(Form3::Get(), menus);
    QVERIFY(menus->isHidden());
    QCOMPARE(menus->mnuFunctions->title(), QStringLiteral("Functions"));
    QCOMPARE(menus->mnuExport->title(), QStringLiteral("Export to"));
    QCOMPARE(menus->mnuExportText->text(), QStringLiteral("&Text"));
    QVERIFY(menus->mnuExportText->isEnabled());
    QVERIFY(!menus->mnuExportHTML->isEnabled());
    // Choosing "Text" only closes the menu: the reader stays as it was.
    f->txtFAQ->setText(QStringLiteral("body"));
    menus->mnuExportText->trigger();
    QCOMPARE(f->txtFAQ->text(), QStringLiteral("body"));
    // The button pops the menu up when enabled; Escape dismisses it.
    f->cmdExtraFunctions->setEnabled(true);
    QTimer::singleShot(50, this, [menus] {
        QVERIFY(menus->mnuFunctions->isVisible());
        menus->mnuFunctions->close();
    });
    f->cmdExtraFunctions->click();
    QVERIFY(!menus->mnuFunctions->isVisible());
}

QTEST_MAIN(TestShell)
#include "test_shell.moc"
