#include "richtext/RichTextBox.h"
#include "settings/SettingsStore.h"
#include "shell/FindBar.h"
#include "shell/Form5.h"
#include "shell/SearchAction.h"
#include "support/Files.h"
#include "support/MainWindow.h"
#include "support/TestServer.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace veldra;
using testsupport::Child;

// The main window driven from the keyboard alone, and what a screen reader is
// told about its controls.
class TestKeyboard : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void arrowsAndTypingInTheTreeOpenNoDialog();
    void enterSpaceAndClickOpenTheDialogs_data();
    void enterSpaceAndClickOpenTheDialogs();
    void resultChosenByKeyboardIsReadWithEnter();
    void doubleClickReadsAndSelectingEnablesRead();
    void headerFieldsAreReadOnlyButCopyable();
    void everyInputHasAnAccessibleNameAndDescription();
    void findAndZoomKeysWorkOnTheVisibleBody();
    void searchBoxAndQuitKeys();

private:
    template <typename W> W *child(const char *name) const { return w->child<W>(name); }
    void key(QWidget *target, Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier);
    // Counts the modal dialogs and message boxes the main window opens,
    // closing each one at once.
    int dialogsWhile(const std::function<void()> &act);
    QTemporaryDir *dir = nullptr;
    testsupport::MainWindow *w = nullptr;
    shell::Form1 *f = nullptr;
};

void TestKeyboard::init()
{
    dir = new QTemporaryDir;
    w = new testsupport::MainWindow;
    w->state.AppName = QStringLiteral("Veldra");
    w->state.AppDir = dir->path() + QLatin1Char('/');
    w->state.IndexFile = w->state.AppDir + QStringLiteral("script.dat");
    w->state.HttpProxyPort = QStringLiteral("0");
    f = w->form.get();
    f->SetTVNodes();
    f->show();
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f));
    child<QTreeWidget>("TV")->setFocus();
}

void TestKeyboard::cleanup()
{
    delete w;
    delete dir;
}

void TestKeyboard::key(QWidget *target, Qt::Key k, Qt::KeyboardModifiers mods)
{
    QTest::keyClick(target, k, mods);
    QCoreApplication::processEvents();
}

int TestKeyboard::dialogsWhile(const std::function<void()> &act)
{
    int opened = 0;
    w->reporter.onBox = [&](const auto &) { ++opened; };
    // A modal dialog runs its own loop; a timer inside it closes it again.
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&] {
        if (shell::Form5 *dlg = f->existingForm5(); dlg && dlg->isVisible()) {
            ++opened;
            dlg->close();
        }
    });
    closer.start(10);
    act();
    QTest::qWait(50);
    w->reporter.onBox = nullptr;
    return opened;
}

void TestKeyboard::arrowsAndTypingInTheTreeOpenNoDialog()
{
    auto *TV = child<QTreeWidget>("TV");
    QStringList infos;
    const int opened = dialogsWhile([&] {
        for (int i = 0; i < 10; ++i) {
            key(TV, Qt::Key_Down);
            infos << child<QLabel>("Info")->text();
        }
        for (int i = 0; i < 10; ++i)
            key(TV, Qt::Key_Up);
        // Type-ahead: "A" moves to "About...", "P" to "Proxy settings".
        key(TV, Qt::Key_A);
        QCOMPARE(TV->currentItem(), f->TVNode(8));
        QTest::qWait(QApplication::keyboardInputInterval() + 50); // a new word
        key(TV, Qt::Key_P);
        QCOMPARE(TV->currentItem(), f->TVNode(6));
        key(TV, Qt::Key_End);
        key(TV, Qt::Key_Home);
    });
    QCOMPARE(opened, 0);
    QVERIFY(w->reporter.boxes.isEmpty());
    // The selection still switched the panels and the info box on its way.
    QVERIFY(infos.contains(QStringLiteral("Search for solutions on server")));
    QVERIFY(infos.contains(QStringLiteral("Configure Veldra for use with a proxy server")));
    QVERIFY(infos.contains(QStringLiteral("About Veldra and the author")));
    key(TV, Qt::Key_Down);
    key(TV, Qt::Key_Down); // "Search Solution"
    QVERIFY(child<QGroupBox>("frameSearchOnline")->isVisible());
    QVERIFY(!child<QGroupBox>("frameNews")->isVisible());
}

void TestKeyboard::enterSpaceAndClickOpenTheDialogs_data()
{
    QTest::addColumn<int>("node");
    QTest::addColumn<int>("how"); // 0 Enter, 1 Space, 2 click
    for (int node : {6, 8}) {
        const QByteArray name = node == 6 ? "proxy" : "about";
        QTest::newRow(name + " enter") << node << 0;
        QTest::newRow(name + " space") << node << 1;
        QTest::newRow(name + " click") << node << 2;
    }
}

void TestKeyboard::enterSpaceAndClickOpenTheDialogs()
{
    QFETCH(int, node);
    QFETCH(int, how);
    auto *TV = child<QTreeWidget>("TV");
    TV->setCurrentItem(f->TVNode(node)); // as the arrows would
    QVERIFY(w->reporter.boxes.isEmpty() && !f->existingForm5());
    const int opened = dialogsWhile([&] {
        if (how == 0)
            key(TV, Qt::Key_Return);
        else if (how == 1)
            key(TV, Qt::Key_Space);
        else
            QTest::mouseClick(TV->viewport(), Qt::LeftButton, {}, TV->visualItemRect(f->TVNode(node)).center());
    });
    QCOMPARE(opened, 1);
    if (node == 8)
        QVERIFY(w->reporter.boxes.first().text.startsWith(QStringLiteral("\r\nVeldra v2.0")));
}

void TestKeyboard::resultChosenByKeyboardIsReadWithEnter()
{
    QVERIFY(testsupport::WriteFile(dir->filePath(QStringLiteral("www/software/corvane/two.faq")),
                                   "Subject=Second proxy answer\r\n[Body]\r\nThe second one.\r\n[/body]\r\n"));
    QVERIFY(
        testsupport::WriteFile(w->state.IndexFile, "one.faq=First proxy answer]\r\ntwo.faq=Second proxy answer]\r\n"));
    testsupport::TestServer server(dir->filePath(QStringLiteral("www")));
    QVERIFY2(server.start(), qPrintable(server.errorString()));
    w->state.ServerUrl = server.url(QStringLiteral("/software/corvane/"));

    auto *TV = child<QTreeWidget>("TV");
    auto *list = child<QTreeWidget>("lstResults");
    auto *read = child<QPushButton>("cmdRead");
    auto *box = child<QLineEdit>("txtSearchText");
    key(TV, Qt::Key_Down); // from "Community News" to "Search Solution"
    QVERIFY(child<QGroupBox>("frameSearchOnline")->isVisible());
    // Tab goes round to the search box, the first in the order.
    for (int i = 0; i < 20 && QApplication::focusWidget() != box; ++i)
        key(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box));
    QTest::keyClicks(box, QStringLiteral("proxy"));
    key(box, Qt::Key_Return);
    QTRY_COMPARE(list->topLevelItemCount(), 2);
    QVERIFY(!read->isEnabled());
    // The progress window came and went; a window manager gives the main
    // window the keyboard back, the offscreen platform does not.
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box));

    key(box, Qt::Key_Tab);
    key(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(list));
    // Arriving by keyboard selected a result, which enables Read.
    QCOMPARE(list->selectedItems(), QList<QTreeWidgetItem *>{list->topLevelItem(0)});
    QVERIFY(read->isEnabled());
    key(list, Qt::Key_Down);
    QCOMPARE(list->selectedItems(), QList<QTreeWidgetItem *>{list->topLevelItem(1)});
    key(list, Qt::Key_Return);
    QTRY_VERIFY(child<QGroupBox>("frameReader")->isVisible());
    QCOMPARE(child<QLineEdit>("txtSubject")->text(), QStringLiteral("Second proxy answer"));
    QCOMPARE(server.requests().size(), 1);
    QVERIFY(server.requests().first().contains(QStringLiteral("/software/corvane/two.faq")));
    QVERIFY(w->reporter.boxes.isEmpty());
    // The keyboard is in the document, where Page Down goes on reading.
    auto *body = child<richtext::RichTextBox>("txtFAQ");
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(body));

    // F5 downloads the document on view again, as Read does; elsewhere it
    // does nothing.
    QVERIFY(testsupport::WriteFile(dir->filePath(QStringLiteral("www/software/corvane/two.faq")),
                                   "Subject=Second proxy answer again\r\n[Body]\r\nChanged.\r\n[/body]\r\n"));
    key(body, Qt::Key_F5);
    QTRY_COMPARE(child<QLineEdit>("txtSubject")->text(), QStringLiteral("Second proxy answer again"));
    QCOMPARE(server.requests().size(), 2);
    QVERIFY(server.requests().last().contains(QStringLiteral("/software/corvane/two.faq")));
    f->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(body));
    f->TV_NodeClick(f->TVNode(2));
    key(TV, Qt::Key_F5);
    QCOMPARE(server.requests().size(), 2);
}

void TestKeyboard::doubleClickReadsAndSelectingEnablesRead()
{
    auto *list = child<QTreeWidget>("lstResults");
    auto *read = child<QPushButton>("cmdRead");
    f->TV_NodeClick(f->TVNode(3));
    list->setColumnCount(1);
    auto *item = new QTreeWidgetItem(list, {QStringLiteral("Missing")});
    item->setData(0, shell::kResultTagRole, QStringLiteral("missing.faq"));
    new QTreeWidgetItem(list, {QStringLiteral("Other")});
    QVERIFY(!read->isEnabled());
    // Enter without a selected result reads nothing.
    list->setFocus();
    list->clearSelection();
    read->setEnabled(false);
    key(list, Qt::Key_Return);
    QVERIFY(w->reporter.boxes.isEmpty());
    // Selecting from code (as the arrows do) enables Read.
    list->setCurrentItem(item);
    QVERIFY(read->isEnabled());
    // A double click reads: the server is not there, which is reported.
    w->state.ServerUrl = QStringLiteral("http://127.0.0.1:1/software/corvane/");
    const QPoint at = list->visualItemRect(item).center();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    QTRY_VERIFY(!w->reporter.boxes.isEmpty());
    QCOMPARE(w->reporter.boxes.last().title, QStringLiteral("Veldra - Error"));
}

void TestKeyboard::headerFieldsAreReadOnlyButCopyable()
{
    QVERIFY(
        testsupport::WriteFile(w->state.AppDir + QStringLiteral("doc.faq"),
                               "Subject=Typed over?\r\nAuthorWEBSITE=www.example.org\r\n[Body]\r\nx\r\n[/body]\r\n"));
    w->state.FaqFile = w->state.AppDir + QStringLiteral("doc.faq");
    f->TV_NodeClick(f->TVNode(4));
    for (const char *name : {"txtSubject", "txtAuthor", "txtWebsite", "txtVersion"}) {
        auto *field = child<QLineEdit>(name);
        QVERIFY2(field->isReadOnly(), name);
        QVERIFY(field->focusPolicy() & Qt::TabFocus); // still reached by Tab
    }
    auto *website = child<QLineEdit>("txtWebsite");
    website->setFocus();
    QTest::keyClicks(website, QStringLiteral("evil.example"));
    key(website, Qt::Key_Backspace);
    QCOMPARE(website->text(), QStringLiteral("www.example.org"));
    key(website, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(website->selectedText(), QStringLiteral("www.example.org"));
}

void TestKeyboard::everyInputHasAnAccessibleNameAndDescription()
{
    const char *inputs[] = {"TV",     "lstResults", "txtSearchText", "cmdSearch",  "cmdRead",    "News",
                            "txtFAQ", "txtSubject", "txtAuthor",     "txtWebsite", "txtVersion", "cmdExtraFunctions"};
    QStringList names;
    for (const char *name : inputs) {
        QWidget *widget = child<QWidget>(name);
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(widget);
        QVERIFY2(a, name);
        const QString shown = a->text(QAccessible::Name);
        QVERIFY2(!shown.isEmpty(), name);
        QVERIFY2(!a->text(QAccessible::Description).isEmpty(), name);
        QVERIFY2(!names.contains(shown), qPrintable(shown)); // each tells itself apart
        names << shown;
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(child<QWidget>("txtSearchText"))->text(QAccessible::Name),
             QStringLiteral("Search on server for"));
    QCOMPARE(QAccessible::queryAccessibleInterface(child<QWidget>("cmdRead"))->text(QAccessible::Name),
             QStringLiteral("Read"));
    // The labels name the boxes they stand by.
    QCOMPARE(child<QLabel>("Label5")->buddy(), child<QWidget>("txtSubject"));
    // The proxy dialog's boxes too.
    shell::Form5 dlg(w->state, f);
    for (const char *name : {"HTTP", "HTTP_Port", "FTP", "FTP_PORT"}) {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(Child<QLineEdit>(&dlg, name));
        QVERIFY2(!a->text(QAccessible::Name).isEmpty() && !a->text(QAccessible::Description).isEmpty(), name);
    }
}

void TestKeyboard::findAndZoomKeysWorkOnTheVisibleBody()
{
    auto *News = child<richtext::RichTextBox>("News");
    News->setText(QStringLiteral("one news line\r\nnews again"));
    auto *newsFind = Child<shell::FindBar>(f, "newsFind");
    auto *readerFind = Child<shell::FindBar>(f, "readerFind");
    const int bodyHeight = News->height();
    key(child<QTreeWidget>("TV"), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(newsFind->isVisible());
    QVERIFY(!readerFind->isVisible());
    QVERIFY(News->height() < bodyHeight);                            // the bar takes the bottom of the body
    QVERIFY(newsFind->geometry().top() > News->geometry().bottom()); // below it, not over it
    QVERIFY(newsFind->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("news"));
    QCOMPARE(newsFind->countText(), QStringLiteral("1 of 2"));
    QCOMPARE(News->textCursor().selectionStart(), 4);
    key(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(newsFind->countText(), QStringLiteral("2 of 2"));
    key(QApplication::focusWidget(), Qt::Key_F3);
    QCOMPARE(newsFind->countText(), QStringLiteral("1 of 2")); // wrapped round
    key(QApplication::focusWidget(), Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(newsFind->countText(), QStringLiteral("2 of 2"));

    // Another text in the body is counted again once it is all in.
    News->setText(QStringLiteral("news, news\r\nand news"));
    QCOMPARE(newsFind->countText(), QStringLiteral("2 of 2")); // not yet
    QTRY_COMPARE(newsFind->countText(), QStringLiteral("3 matches"));
    QCOMPARE(News->extraSelections().size(), 3);

    // Zoom: Ctrl++ (or Ctrl+=), Ctrl+-, Ctrl+0 on the news.
    const qreal size = News->font().pointSizeF();
    key(News, Qt::Key_Plus, Qt::ControlModifier);
    key(News, Qt::Key_Equal, Qt::ControlModifier);
    QCOMPARE(News->font().pointSizeF(), size * 1.25);
    key(News, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(News->font().pointSizeF(), size * 1.1);
    key(News, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(News->font().pointSizeF(), size);

    key(QApplication::focusWidget(), Qt::Key_F, Qt::ControlModifier);
    key(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(!newsFind->isVisible());
    QCOMPARE(News->height(), bodyHeight);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(News));

    // In the reader the reader's bar opens; on the search panel Ctrl+F goes to
    // the search box.
    f->TV_NodeClick(f->TVNode(4));
    key(child<QTreeWidget>("TV"), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(readerFind->isVisible() && !newsFind->isVisible());
    f->TV_NodeClick(f->TVNode(3));
    key(child<QTreeWidget>("TV"), Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), child<QWidget>("txtSearchText"));
}

void TestKeyboard::searchBoxAndQuitKeys()
{
    auto *box = child<QLineEdit>("txtSearchText");
    box->setText(QStringLiteral("proxy server"));
    // From the tree on the news panel, and from the box itself with the caret
    // at its start: there Ctrl+K would otherwise delete the rest of the line.
    for (const Qt::Key k : {Qt::Key_L, Qt::Key_K, Qt::Key_K}) {
        key(QApplication::focusWidget(), k, Qt::ControlModifier);
        QVERIFY(child<QGroupBox>("frameSearchOnline")->isVisible());
        QVERIFY(!child<QGroupBox>("frameNews")->isVisible());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box));
        QCOMPARE(box->selectedText(), QStringLiteral("proxy server"));
        QCOMPARE(child<QTreeWidget>("TV")->currentItem(), f->TVNode(3));
        box->setCursorPosition(0);
        if (k == Qt::Key_L) // then once from the box
            continue;
        f->TV_NodeClick(f->TVNode(2));
        child<QTreeWidget>("TV")->setFocus();
    }
    // Ctrl+Q closes the window as its close button does, which remembers
    // where the window stood.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir->filePath(QStringLiteral("config"))));
    f->PlaceWindow();
    key(child<QTreeWidget>("TV"), Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!f->isVisible());
    QVERIFY(QFile::exists(settings::SettingsFileName(QStringLiteral("Veldra"))));
}

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
