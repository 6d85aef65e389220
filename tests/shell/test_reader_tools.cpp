#include "richtext/RichTextBox.h"
#include "shell/ReaderTools.h"
#include "shell/SearchAction.h"
#include "shell/StoreHandle.h"
#include "support/Files.h"
#include "support/MainWindow.h"
#include "support/TestServer.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace veldra;
using testsupport::ReadFile;
using testsupport::WriteFile;

// Back and forward through the documents read, from their copies on disk, and
// a saved copy of the reader's document.
class TestReaderTools : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void backAndForwardShowStoredCopies();
    void savedTextHoldsTheHeaderAndBody();
    void bookmarksAndHistoryInTheirWindow();

private:
    void read(const QString &fileName);
    QString subject() const { return w->child<QLineEdit>("txtSubject")->text(); }
    QTemporaryDir dir;
    testsupport::TestServer *server = nullptr;
    testsupport::MainWindow *w = nullptr;
};

void TestReaderTools::init()
{
    for (const char *name : {"faq17.txt", "faq18.txt"})
        WriteFile(dir.filePath(QStringLiteral("www/software/corvane/") + QLatin1String(name)),
                  QByteArray("Subject=Document ") + name +
                      "\r\nAuthor=A. Writer\r\nAuthorWEBSITE=www.writer.example\r\n"
                      "[Body]\r\nMore at www.example.org/print\r\n[/body]\r\n");
    QDir(dir.path()).mkpath(QStringLiteral("app"));
    server = new testsupport::TestServer(dir.filePath(QStringLiteral("www")));
    QVERIFY2(server->start(), qPrintable(server->errorString()));
    w = new testsupport::MainWindow;
    w->state.AppName = QStringLiteral("Veldra");
    w->state.AppDir = dir.filePath(QStringLiteral("app")) + QLatin1Char('/');
    w->state.HttpProxyPort = QStringLiteral("0");
    w->state.ServerUrl = server->url(QStringLiteral("/software/corvane/"));
    w->form->store().open(dir.filePath(QStringLiteral("store.sqlite")));
    w->form->SetTVNodes();
    w->form->show();
    w->form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w->form.get()));
}

void TestReaderTools::cleanup()
{
    delete w;
    delete server;
}

void TestReaderTools::read(const QString &fileName)
{
    auto *results = w->child<QTreeWidget>("lstResults");
    auto *item = new QTreeWidgetItem(results, {fileName});
    item->setData(0, shell::kResultTagRole, fileName);
    results->setCurrentItem(item);
    auto *readButton = w->child<QPushButton>("cmdRead");
    readButton->setEnabled(true);
    QTest::mouseClick(readButton, Qt::LeftButton);
    // The progress window took the focus for the download; keys go to the main window.
    w->form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w->form.get()));
}

void TestReaderTools::backAndForwardShowStoredCopies()
{
    read(QStringLiteral("faq17.txt"));
    read(QStringLiteral("faq18.txt"));
    QCOMPARE(subject(), QStringLiteral("Document faq18.txt"));
    QCOMPARE(server->requests().size(), 2);

    QTest::keyClick(w->form.get(), Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(subject(), QStringLiteral("Document faq17.txt"));
    QCOMPARE(w->state.FaqFile, w->state.AppDir + QStringLiteral("faq17.txt"));
    QTest::keyClick(w->form.get(), Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(subject(), QStringLiteral("Document faq18.txt"));
    // The mouse's back button over any control of the window.
    QTest::mouseClick(w->child<QTreeWidget>("TV")->viewport(), Qt::BackButton);
    QCOMPARE(subject(), QStringLiteral("Document faq17.txt"));
    QCOMPARE(server->requests().size(), 2);

    // A copy gone from the disk: a note, no box, the reader as it was.
    QVERIFY(QFile::remove(w->state.AppDir + QStringLiteral("faq18.txt")));
    QTest::mouseClick(w->child<richtext::RichTextBox>("txtFAQ")->viewport(), Qt::ForwardButton);
    QCOMPARE(subject(), QStringLiteral("Document faq17.txt"));
    QVERIFY(w->reporter.boxes.isEmpty());
    const QString note = w->child<QLabel>("Label8")->text();
    QVERIFY2(note.contains(QLatin1String("faq18.txt")) && note.contains(QLatin1String("gone")), qPrintable(note));
    QCOMPARE(server->requests().size(), 2);
}

void TestReaderTools::savedTextHoldsTheHeaderAndBody()
{
    read(QStringLiteral("faq17.txt"));
    auto &tools = w->form->readerTools();
    const QString path = dir.filePath(QStringLiteral("saved.txt"));
    QVERIFY(tools.saveTo(w->child<richtext::RichTextBox>("txtFAQ"), path));
    QCOMPARE(ReadFile(path), QByteArray("Subject: Document faq17.txt\nAuthor: A. Writer\n"
                                        "Website: www.writer.example\n\nMore at www.example.org/print\n"));
    // The news is saved without the reader's fields.
    QVERIFY(tools.saveTo(w->child<richtext::RichTextBox>("News"), path));
    QVERIFY(!ReadFile(path).contains("Subject:"));
    QVERIFY(w->reporter.boxes.isEmpty());
}

void TestReaderTools::bookmarksAndHistoryInTheirWindow()
{
    read(QStringLiteral("faq17.txt"));
    read(QStringLiteral("faq18.txt"));
    auto *note = w->child<QLabel>("Label8");
    QTest::keyClick(w->form.get(), Qt::Key_D, Qt::ControlModifier);
    QTRY_COMPARE(note->text(), QStringLiteral("Bookmarked: Document faq18.txt"));
    QTest::keyClick(w->form.get(), Qt::Key_D, Qt::ControlModifier);
    QTRY_COMPARE(note->text(), QStringLiteral("Bookmark removed: Document faq18.txt"));
    QTest::keyClick(w->form.get(), Qt::Key_D, Qt::ControlModifier);
    QTRY_COMPARE(note->text(), QStringLiteral("Bookmarked: Document faq18.txt"));

    auto &tools = w->form->readerTools();
    QTest::keyClick(w->form.get(), Qt::Key_B, Qt::ControlModifier);
    shell::BookmarksWindow *window = tools.bookmarksWindow();
    QVERIFY(window);
    auto *bookmarks = testsupport::Child<QTreeWidget>(window, "lstBookmarks");
    auto *history = testsupport::Child<QTreeWidget>(window, "lstHistory");
    QTRY_COMPARE(history->topLevelItemCount(), 2);
    QCOMPARE(bookmarks->topLevelItemCount(), 1);
    QCOMPARE(bookmarks->topLevelItem(0)->text(0), QStringLiteral("Document faq18.txt"));
    QVERIFY(!bookmarks->topLevelItem(0)->text(1).isEmpty());
    QCOMPARE(history->topLevelItem(0)->data(0, shell::BookmarksWindow::kFileNameRole), QStringLiteral("faq18.txt"));

    // Delete removes from the list it is pressed in; the other keeps its entry.
    history->setFocus();
    history->setCurrentItem(history->topLevelItem(0));
    QTest::keyClick(history, Qt::Key_Delete);
    QTRY_COMPARE(history->topLevelItemCount(), 1);
    QCOMPARE(history->topLevelItem(0)->data(0, shell::BookmarksWindow::kFileNameRole), QStringLiteral("faq17.txt"));
    QCOMPARE(bookmarks->topLevelItemCount(), 1);

    // Enter reads the chosen document, as Read does, and the history has it again.
    bookmarks->setCurrentItem(bookmarks->topLevelItem(0));
    QTest::keyClick(bookmarks, Qt::Key_Return);
    QCOMPARE(server->requests().size(), 3);
    QCOMPARE(subject(), QStringLiteral("Document faq18.txt"));
    QTRY_COMPARE(history->topLevelItemCount(), 2);

    // One window at most, gone once closed.
    tools.showBookmarks();
    QCOMPARE(tools.bookmarksWindow(), window);
    window->close();
    QVERIFY(!tools.bookmarksWindow());
    QVERIFY(w->reporter.boxes.isEmpty());
}

QTEST_MAIN(TestReaderTools)
#include "test_reader_tools.moc"
