#include "desktop/Layout.h"
#include "desktop/Twips.h"
#include "desktop/TwipsCanvas.h"
#include "richtext/RichTextBox.h"
#include "shell/Form2.h"
#include "shell/Form3.h"
#include "shell/Form5.h"
#include "shell/NavTree.h"
#include "support/Files.h"
#include "support/MainWindow.h"
#include "support/OpenURL.h"
#include "support/TestServer.h"
#include "transfer/Channels.h"
#include "transfer/TransferChannel.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QtMath>

using namespace veldra;
using desktop::MsgBoxStyle;
using shell::Form2;
using testsupport::Child;

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
    void proxyDialogIsFreshAfterEachClose();
    void layoutScalesTheTwipsTable();
    void progressWindowStates();
    void progressWindowClosedByUserStaysClosedForOperation();
    void functionsMenu();
    void channelErrorsAreReported();

private:
    template <typename W> W *child(const char *name) const { return w->child<W>(name); }
    QTemporaryDir *appDir = nullptr;
    testsupport::MainWindow *w = nullptr;
    shell::Form1 *f = nullptr;
};

void TestShell::init()
{
    appDir = new QTemporaryDir;
    w = new testsupport::MainWindow;
    w->state.AppName = QStringLiteral("Veldra");
    w->state.AppDir = appDir->path() + QLatin1Char('/');
    f = w->form.get();
    f->SetTVNodes();
}

void TestShell::cleanup()
{
    delete w;
    delete appDir;
}

void TestShell::treeAfterSetTVNodes()
{
    auto *TV = child<QTreeWidget>("TV");
    QCOMPARE(TV->topLevelItemCount(), 3);
    const QStringList expected = {
        QStringLiteral("Veldra"),     QStringLiteral("Community News"), QStringLiteral("Search Solution"),
        QStringLiteral("FAQ-Reader"), QStringLiteral("Settings"),       QStringLiteral("Proxy settings"),
        QStringLiteral("More"),       QStringLiteral("About...")};
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(f->TVNode(i + 1)->text(0), expected.at(i));
    QCOMPARE(f->TVNode(4)->parent(), f->TVNode(1));
    QCOMPARE(f->TVNode(6)->parent(), f->TVNode(5));
    QCOMPARE(f->TVNode(8)->parent(), f->TVNode(7));
    for (int top : {1, 5, 7})
        QVERIFY(f->TVNode(top)->isExpanded());
    QCOMPARE(TV->currentItem(), f->TVNode(2));
    QCOMPARE(child<QLabel>("Label3")->text(), QStringLiteral("Community News"));
    QCOMPARE(child<QLabel>("Info")->text(), QStringLiteral("Read todays community news"));
    QVERIFY(!child<QLabel>("Picture1")->pixmap().isNull());
    QVERIFY(!child<QGroupBox>("frameNews")->isHidden());
    QVERIFY(child<QGroupBox>("frameSearchOnline")->isHidden());
    QVERIFY(child<QGroupBox>("frameReader")->isHidden());
    QVERIFY(!child<QPushButton>("cmdRead")->isEnabled());
    QVERIFY(!child<QPushButton>("cmdExtraFunctions")->isEnabled());
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
    w->state.FaqFile.clear();
    f->TV_NodeClick(f->TVNode(node));
    QCOMPARE(child<QLabel>("Label3")->text(), f->TVNode(node)->text(0));
    QCOMPARE(child<QLabel>("Info")->text(), info);
    QCOMPARE(!child<QGroupBox>("frameSearchOnline")->isHidden(), visible == QLatin1String("search"));
    QCOMPARE(!child<QGroupBox>("frameNews")->isHidden(), visible == QLatin1String("news"));
    QCOMPARE(!child<QGroupBox>("frameReader")->isHidden(), visible == QLatin1String("reader"));
}

void TestShell::nodeClickOnOtherTagChangesOnlyLabelAndPicture()
{
    // From the search panel, a node whose tag differs from "news" only in case:
    // a click on it must neither switch to the news panel nor set its info text.
    f->TV_NodeClick(f->TVNode(3));
    const QImage searchIcon = child<QLabel>("Picture1")->pixmap().toImage();
    auto *odd = new QTreeWidgetItem(child<QTreeWidget>("TV"));
    odd->setText(0, QStringLiteral("Odd"));
    odd->setData(0, shell::kNodeTagRole, QStringLiteral("News"));
    odd->setData(0, shell::kNodeIconRole, 6);
    f->TV_NodeClick(odd);
    QCOMPARE(child<QLabel>("Label3")->text(), QStringLiteral("Odd"));
    QVERIFY(child<QLabel>("Picture1")->pixmap().toImage() != searchIcon);
    QCOMPARE(child<QLabel>("Info")->text(), QStringLiteral("Search for solutions on server"));
    QVERIFY(!child<QGroupBox>("frameSearchOnline")->isHidden());
    QVERIFY(child<QGroupBox>("frameNews")->isHidden());
    QVERIFY(child<QGroupBox>("frameReader")->isHidden());
}

void TestShell::aboutBoxText()
{
    f->TV_NodeClick(f->TVNode(8));
    QCOMPARE(w->reporter.boxes.size(), 1);
    const auto box = w->reporter.boxes.first();
    QCOMPARE(box.style, MsgBoxStyle::Plain);
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
            shell::Form5 *dlg = f->existingForm5();
            QVERIFY(dlg);
            QVERIFY(dlg->isVisible());
            QVERIFY(dlg->isModal());
            ++opened;
            dlg->close();
        });
        f->TV_NodeClick(f->TVNode(6));
        QCOMPARE(child<QLabel>("Info")->text(), QStringLiteral("Configure Veldra for use with a proxy server"));
    }
    QCOMPARE(opened, 2);
    QVERIFY(!child<QGroupBox>("frameNews")->isHidden());
}

void TestShell::proxyDialogIsFreshAfterEachClose()
{
    // The dialog the start-up loads hidden is the one the tree shows first;
    // once closed it is gone at once, and the next showing loads a new one.
    f->TV_NodeClick(f->TVNode(3));
    w->state.HttpProxy = QStringLiteral("before");
    bool firstWasShown = false;
    QTimer::singleShot(0, this, [&] {
        shell::Form5 *first = f->existingForm5();
        firstWasShown = first && first->isVisible();
        first->setProperty("marker", true);
        Child<QLineEdit>(first, "HTTP")->setText(QStringLiteral("edited, then cancelled"));
        QTest::mouseClick(Child<QPushButton>(first, "cmdCancel"), Qt::LeftButton);
    });
    f->TV_NodeClick(f->TVNode(6));
    QVERIFY(firstWasShown);
    QCOMPARE(f->existingForm5(), nullptr);

    w->state.HttpProxy = QStringLiteral("after");
    QString shown;
    bool fresh = false;
    QTimer::singleShot(0, this, [&] {
        shell::Form5 *second = f->existingForm5();
        fresh = second && !second->property("marker").isValid();
        shown = Child<QLineEdit>(second, "HTTP")->text();
        second->close();
    });
    f->TV_NodeClick(f->TVNode(6));
    QVERIFY(fresh);
    QCOMPARE(shown, QStringLiteral("after"));
}

void TestShell::layoutScalesTheTwipsTable()
{
    // The window opens at the layout's size in twips, drawn at the scale of
    // the font and screen, and every control where the layout puts it.
    const double s = desktop::PixelsPerTwip();
    auto *canvas = Child<desktop::TwipsCanvas>(f, "Form1Canvas");
    QCOMPARE(f->size(), QSize(qCeil(10425 * s), qCeil(6810 * s)));
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f));
    const struct {
        const char *name;
        QRect twips;
    } controls[] = {
        {"Frame2", {120, 120, 2535, 6495}},       {"TV", {120, 360, 2295, 4095}},
        {"Frame1", {120, 4680, 2295, 1695}},      {"frameNews", {2760, 120, 7575, 6615}},
        {"News", {240, 360, 6975, 5895}},         {"frameSearchOnline", {2760, 120, 7575, 6615}},
        {"txtSearchText", {120, 600, 3615, 285}}, {"cmdSearch", {3840, 600, 1095, 255}},
        {"lstResults", {120, 960, 7455, 5055}},   {"cmdRead", {240, 6120, 1935, 375}},
        {"frameReader", {2760, 120, 7575, 6615}}, {"txtSubject", {960, 360, 4095, 285}},
        {"txtWebsite", {960, 1080, 2895, 285}},   {"cmdExtraFunctions", {4080, 1440, 1455, 375}},
        {"txtFAQ", {240, 1920, 7095, 4575}},
    };
    const auto check = [&](const char *when) {
        const double sx = canvas->pixelsPerTwipX(), sy = canvas->pixelsPerTwipY();
        for (const auto &c : controls)
            QVERIFY2(Child<QWidget>(f, c.name)->geometry() == desktop::ScaleTwipsRect(c.twips, sx, sy),
                     qPrintable(QLatin1String(c.name) + QLatin1Char(' ') + QLatin1String(when)));
    };
    QVERIFY(qAbs(canvas->pixelsPerTwipX() - s) < 0.001 && qAbs(canvas->pixelsPerTwipY() - s) < 0.001);
    check("at the window's own size");
    // A larger window draws the layout larger, in proportion.
    f->resize(f->size() * 3 / 2);
    QTRY_VERIFY(qAbs(canvas->pixelsPerTwipX() - s * 1.5) < 0.001);
    QVERIFY(qAbs(canvas->pixelsPerTwipY() - s * 1.5) < 0.001);
    check("one and a half times as large");
    // Labels sized to their text keep their place and hold their text.
    for (const char *name : {"Label1", "Label5", "Label4", "Label6", "Label7"}) {
        auto *label = Child<QLabel>(f, name);
        QVERIFY2(label->width() >= label->sizeHint().width(), name);
        QCOMPARE(label->pos(), desktop::ScaleTwipsRect(desktop::TwipsGeometry(label), canvas->pixelsPerTwipX(),
                                                       canvas->pixelsPerTwipY())
                                   .topLeft());
    }
    QCOMPARE(child<QPushButton>("cmdRead")->text(), QStringLiteral("&Read"));
    QCOMPARE(child<QPushButton>("cmdSearch")->text(), QStringLiteral("&Search"));
    QCOMPARE(child<QPushButton>("cmdExtraFunctions")->text(), QStringLiteral("&Extra functions"));
    QCOMPARE(child<QLabel>("Label1")->text(), QStringLiteral("Search on server for:"));
    // Tab order among the input controls.
    QCOMPARE(child<QLineEdit>("txtSearchText")->nextInFocusChain(),
             static_cast<QWidget *>(child<QPushButton>("cmdSearch")));
    QCOMPARE(child<QPushButton>("cmdRead")->nextInFocusChain(),
             static_cast<QWidget *>(child<richtext::RichTextBox>("News")));
}

void TestShell::progressWindowStates()
{
    shell::ProgressWindow &progress = f->progress();
    progress.ShowProgress(QStringLiteral("Search"), QStringLiteral("first"), true, true);
    Form2 *p = progress.existing();
    QVERIFY(p && p->isVisible());
    QCOMPARE(p->parentWidget(), f);
    QCOMPARE(p->outerHeightTwips(), 1665);
    QCOMPARE(p->width(), desktop::TwipsToPixels(7635));
    auto *status = Child<QLabel>(p, "Status");
    auto *bar = Child<QProgressBar>(p, "Prog");
    progress.setMaximum(7);
    progress.setValue(5);
    // Reused: an empty status keeps the line, no bar keeps the value and lowers the window.
    progress.ShowProgress(QStringLiteral("Please wait..."), QString(), false, false);
    QCOMPARE(progress.existing(), p);
    QCOMPARE(p->windowTitle(), QStringLiteral("Please wait..."));
    QCOMPARE(status->text(), QStringLiteral("first"));
    QVERIFY(status->isHidden());
    QVERIFY(bar->isHidden());
    QCOMPARE(bar->value(), 5);
    QCOMPARE(p->outerHeightTwips(), 1320);
    // Showing the bar resets it but keeps the maximum.
    progress.ShowProgress(QStringLiteral("x"), QString(), true, true);
    QCOMPARE(bar->value(), 0);
    QCOMPARE(bar->maximum(), 7);
    // Closing destroys it; the next one starts afresh.
    QPointer<Form2> closed = p;
    progress.close();
    QVERIFY(!progress.existing());
    QVERIFY(!closed);
    progress.ShowProgress(QStringLiteral("y"), QString(), true, false);
    QVERIFY(Child<QLabel>(progress.existing(), "Status")->text().isEmpty());
    QCOMPARE(Child<QProgressBar>(progress.existing(), "Prog")->maximum(), 100);
    progress.close();
}

void TestShell::progressWindowClosedByUserStaysClosedForOperation()
{
    shell::ProgressWindow &progress = f->progress();
    progress.ShowProgress(QStringLiteral("Search"), QStringLiteral("s"), true, true);
    progress.existing()->close(); // the user's close button
    QVERIFY(!progress.existing());
    progress.setValue(50);
    progress.setStatus(QStringLiteral("later"), true);
    progress.close();
    QVERIFY(!progress.existing());
    progress.ShowProgress(QStringLiteral("Again"), QString(), true, true);
    QVERIFY(progress.existing() && progress.existing()->isVisible());
    QCOMPARE(Child<QLabel>(progress.existing(), "Status")->text(), QString());
    progress.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestShell::functionsMenu()
{
    // A document in the reader, and the button enabled as nothing in the program does.
    QVERIFY(testsupport::WriteFile(w->state.AppDir + QStringLiteral("doc.txt"),
                                   "Subject=S\r\n[body]\r\nbody text\r\n[/body]\r\n"));
    w->state.FaqFile = w->state.AppDir + QStringLiteral("doc.txt");
    f->TV_NodeClick(f->TVNode(4));
    auto *txtFAQ = child<richtext::RichTextBox>("txtFAQ");
    const QString before = txtFAQ->text();
    const QStringList files = QDir(w->state.AppDir).entryList(QDir::Files);
    auto *button = child<QPushButton>("cmdExtraFunctions");
    button->setEnabled(true);
    QVERIFY(!f->existingForm3());

    // The button pops the menu up; choose Export to, then Text, from the keyboard.
    QStringList seen;
    QTimer::singleShot(50, this, [&] {
        shell::Form3 *holder = f->existingForm3();
        QVERIFY(holder && holder->isHidden());
        QMenu &menu = holder->functionsMenu();
        QVERIFY(menu.isVisible());
        seen << menu.title();
        for (QAction *a : menu.actions()) {
            seen << a->text();
            if (QMenu *sub = a->menu())
                for (QAction *e : sub->actions())
                    seen << e->text() + (e->isEnabled() ? QString() : QStringLiteral(" (off)"));
        }
        QTest::keyClick(&menu, Qt::Key_Down);
        QTest::keyClick(&menu, Qt::Key_Right);
        QTimer::singleShot(50, this, [&menu] {
            QMenu *sub = menu.actions().first()->menu();
            QVERIFY(sub->isVisible());
            QTest::keyClick(sub, Qt::Key_T);
        });
    });
    button->click();
    QCOMPARE(seen, (QStringList{QStringLiteral("Functions"), QStringLiteral("Export to"), QStringLiteral("&Text"),
                                QStringLiteral("&HTML (off)")}));
    QVERIFY(!f->existingForm3()->functionsMenu().isVisible());
    // Choosing "Text" only closed the menu: nothing written, the reader as it was.
    QCOMPARE(txtFAQ->text(), before);
    QCOMPARE(QDir(w->state.AppDir).entryList(QDir::Files), files);
    QVERIFY(w->reporter.boxes.isEmpty());

    // Escape dismisses it, the same holder serves again.
    shell::Form3 *holder = f->existingForm3();
    QTimer::singleShot(50, this, [&] { QTest::keyClick(&holder->functionsMenu(), Qt::Key_Escape); });
    button->click();
    QCOMPARE(f->existingForm3(), holder);
    QVERIFY(!holder->functionsMenu().isVisible());
}

void TestShell::channelErrorsAreReported()
{
    testsupport::TestServer server;
    QVERIFY2(server.start(), qPrintable(server.errorString()));
    QVERIFY(server.putFile(QStringLiteral("doc.txt"), "text"));
    transfer::Channels &net = f->channels();

    // Success notifications (other codes) show nothing.
    QVERIFY(testsupport::OpenURL(net.HTTP(), server.url(QStringLiteral("/doc.txt"))).ok());
    QCOMPARE(w->reporter.boxes.size(), 0);

    QVERIFY(!testsupport::OpenURL(net.HTTP(), server.url(QStringLiteral("/_test/status/404"))).ok());
    QVERIFY(!testsupport::OpenURL(net.FTP(), server.url(QStringLiteral("/_test/status/404"))).ok());
    const auto &boxes = w->reporter.boxes;
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(boxes[0].text, QStringLiteral("Error while connecting to server using HTTP protocol: "));
    QCOMPARE(boxes[1].text, QStringLiteral("Error while connecting to server using FTP protocol: "));
    for (const auto &box : boxes) {
        QCOMPARE(box.style, MsgBoxStyle::Critical);
        QCOMPARE(box.title, QStringLiteral("Veldra - Error"));
    }
}

QTEST_MAIN(TestShell)
#include "test_shell.moc"
