#include "desktop/ShellOpen.h"
#include "richtext/RichTextBox.h"
#include "shell/Form2.h"
#include "shell/SearchAction.h"
#include "support/Files.h"
#include "support/MainWindow.h"
#include "support/TestServer.h"
#include "transfer/Channels.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTimer>
#include <QTreeWidget>

using namespace veldra;
using testsupport::WriteFile;

// Read in the main window, from a result in the list to the filled reader,
// against a real server on the loopback interface.
class TestReaderFlow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void readShowsDocumentInReader();
    void emptyTagDoesNothing();
    void failedReadIsReported();
    void unreadableDocumentIsReportedInTwoBoxes();
    void secondReadWhileDownloadingIgnored();
    void cancelledReadKeepsTheCopyWithoutABox();
    void closingDuringDownloadEndsTheProgram();
    void plantedWorkFileLinkIsNotFollowed();
    void mailLinkFragmentIsDropped();

private:
    void startServer(double delaySeconds);
    void selectResult(const QString &tag);
    QTreeWidget *results() const { return w->child<QTreeWidget>("lstResults"); }
    QPushButton *readButton() const { return w->child<QPushButton>("cmdRead"); }
    QTemporaryDir *dir = nullptr;
    testsupport::TestServer *server = nullptr;
    testsupport::MainWindow *w = nullptr;
    shell::Form1 *f = nullptr;
};

void TestReaderFlow::init()
{
    dir = new QTemporaryDir;
    QDir(dir->path()).mkpath(QStringLiteral("app"));
    WriteFile(dir->filePath(QStringLiteral("www/software/corvane/faq17.txt")),
              "Subject=Printing from the editor\r\nAuthor=A. Writer\r\nAuthorEMAIL=writer@example.org\r\n"
              "Version=1.2\r\nAuthorWEBSITE=www.writer.example\r\n[Body]\r\n"
              "To print, open the File menu.\r\n\"Choose Print, then OK.\"\r\n"
              "More at www.example.org or http://www.example.org/print.html\r\n[/body]\r\n");
    w = new testsupport::MainWindow;
    w->state.AppName = QStringLiteral("Veldra");
    w->state.AppDir = dir->filePath(QStringLiteral("app")) + QLatin1Char('/');
    w->state.HttpProxyPort = QStringLiteral("0");
    f = w->form.get();
    f->SetTVNodes();
    f->show();
}

void TestReaderFlow::cleanup()
{
    delete w;
    delete server;
    server = nullptr;
    delete dir;
}

void TestReaderFlow::startServer(double delaySeconds)
{
    server = new testsupport::TestServer(dir->filePath(QStringLiteral("www")), delaySeconds);
    QVERIFY2(server->start(), qPrintable(server->errorString()));
    w->state.ServerUrl = server->url(QStringLiteral("/software/corvane/"));
}

void TestReaderFlow::selectResult(const QString &tag)
{
    auto *item = new QTreeWidgetItem(results(), {QStringLiteral("Printing from the editor")});
    item->setData(0, shell::kResultTagRole, tag);
    results()->setCurrentItem(item);
    readButton()->setEnabled(true);
}

void TestReaderFlow::readShowsDocumentInReader()
{
    startServer(0);
    selectResult(QStringLiteral("faq17.txt"));
    QTest::mouseClick(readButton(), Qt::LeftButton);

    QCOMPARE(server->requests().size(), 1);
    QCOMPARE(w->state.FaqFile, w->state.AppDir + QStringLiteral("faq17.txt"));
    QCOMPARE(w->child<QTreeWidget>("TV")->currentItem(), f->TVNode(4));
    QVERIFY(w->child<QGroupBox>("frameReader")->isVisible());
    QCOMPARE(w->child<QLineEdit>("txtSubject")->text(), QStringLiteral("Printing from the editor"));
    QCOMPARE(w->child<QLineEdit>("txtVersion")->text(), QStringLiteral("1.2"));
    QCOMPARE(w->child<QLineEdit>("txtAuthor")->text(), QStringLiteral("A. Writer"));
    QCOMPARE(w->child<QLineEdit>("txtWebsite")->text(), QStringLiteral("www.writer.example"));
    auto *txtFAQ = w->child<richtext::RichTextBox>("txtFAQ");
    const QString body = txtFAQ->text();
    QVERIFY2(body.startsWith(QLatin1String("To print\r\nopen the File menu.\r\nChoose Print, then OK.\r\nMore at ")),
             qPrintable(body));
    const int www = int(body.indexOf(QLatin1String("www.example.org or")));
    const int http = int(body.indexOf(QLatin1String("http://")));
    QVERIFY(txtFAQ->isLinkAt(www) && txtFAQ->isLinkAt(www + 14) && !txtFAQ->isLinkAt(www + 15));
    QVERIFY(txtFAQ->isLinkAt(http) && txtFAQ->colorAt(http) == QColor(0, 0, 255));
    QVERIFY(!f->progress().existing());
    QVERIFY(w->reporter.boxes.isEmpty());

    const QString shot = qEnvironmentVariable("VELDRA_FAQ_SCREENSHOT");
    if (!shot.isEmpty())
        f->grab().save(shot);
}

void TestReaderFlow::emptyTagDoesNothing()
{
    startServer(0);
    selectResult(QString());
    QTest::mouseClick(readButton(), Qt::LeftButton);
    QVERIFY(!f->progress().existing());
    QVERIFY(server->requests().isEmpty());
    QCOMPARE(w->child<QTreeWidget>("TV")->currentItem(), f->TVNode(2));
    QVERIFY(w->reporter.boxes.isEmpty());
}

void TestReaderFlow::failedReadIsReported()
{
    startServer(0);
    selectResult(QStringLiteral("missing.txt"));
    QTest::mouseClick(readButton(), Qt::LeftButton);

    // The channel's own notice, then the download's message with the failure's
    // description between the fixed lines.
    const auto &boxes = w->reporter.boxes;
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(boxes.at(0).text, QStringLiteral("Error while connecting to server using HTTP protocol: "));
    const QString prefix = QStringLiteral("Error while connecting to server using HTTP protocol: ");
    const QString suffix = QStringLiteral("\r\nPlease check your proxy settings...");
    QVERIFY2(boxes.at(1).text.startsWith(prefix) && boxes.at(1).text.endsWith(suffix), qPrintable(boxes.at(1).text));
    QVERIFY(boxes.at(1).text.contains(QLatin1String("404")));
    QCOMPARE(boxes.at(1).style, desktop::MsgBoxStyle::Critical);
    QCOMPARE(boxes.at(1).title, QStringLiteral("Veldra - Error"));
    QVERIFY(!f->progress().existing());
    QVERIFY(w->state.FaqFile.isEmpty());
    QCOMPARE(w->child<QTreeWidget>("TV")->currentItem(), f->TVNode(2));
}

void TestReaderFlow::unreadableDocumentIsReportedInTwoBoxes()
{
    // The document was downloaded, then deleted behind the program's back.
    w->state.FaqFile = QStringLiteral("  ") + w->state.AppDir + QStringLiteral("gone.txt");
    f->TV_NodeClick(f->TVNode(4));
    const auto &boxes = w->reporter.boxes;
    QCOMPARE(boxes.size(), 2);
    QCOMPARE(boxes.at(0).text, QStringLiteral("Could not load ") + w->state.FaqFile);
    QCOMPARE(boxes.at(0).style, desktop::MsgBoxStyle::Critical);
    QCOMPARE(boxes.at(0).title, QStringLiteral("Veldra - Error"));
    QCOMPARE(boxes.at(1).text, QStringLiteral("No such file or directory"));
    QCOMPARE(boxes.at(1).style, desktop::MsgBoxStyle::Plain);
    QCOMPARE(boxes.at(1).title, QStringLiteral("Veldra"));
    QVERIFY(w->child<QGroupBox>("frameReader")->isVisible());
}

void TestReaderFlow::secondReadWhileDownloadingIgnored()
{
    startServer(1.0);
    selectResult(QStringLiteral("faq17.txt"));
    // The second click lands while the first download waits for the server.
    bool clickedDuringDownload = false;
    QTimer::singleShot(300, f, [&] {
        clickedDuringDownload = f->progress().existing() != nullptr;
        f->cmdRead_Click();
    });
    f->cmdRead_Click();
    QVERIFY(clickedDuringDownload);
    QTest::qWait(1500); // a second request, had one been sent, would have arrived
    QCOMPARE(server->requests().size(), 1);
    QCOMPARE(w->child<QLineEdit>("txtSubject")->text(), QStringLiteral("Printing from the editor"));
    QVERIFY(w->reporter.boxes.isEmpty());
}

void TestReaderFlow::cancelledReadKeepsTheCopyWithoutABox()
{
    const QString copy = w->state.AppDir + QStringLiteral("faq17.txt");
    WriteFile(copy, "Subject=Yesterday's copy\r\n");
    startServer(30.0);
    selectResult(QStringLiteral("faq17.txt"));
    QTimer poll;
    connect(&poll, &QTimer::timeout, f, [&] {
        shell::Form2 *form2 = f->progress().existing();
        if (form2 && testsupport::Child<QPushButton>(form2, "cmdCancel")->isEnabled()) {
            poll.stop();
            QTest::mouseClick(testsupport::Child<QPushButton>(form2, "cmdCancel"), Qt::LeftButton);
        }
    });
    poll.start(20);
    f->cmdRead_Click();

    QVERIFY(w->reporter.boxes.isEmpty());
    QVERIFY(w->child<QLabel>("Label2")->text().endsWith(QLatin1String("the download of faq17.txt was cancelled")));
    QCOMPARE(testsupport::ReadFile(copy), QByteArray("Subject=Yesterday's copy\r\n"));
    QVERIFY(w->state.FaqFile.isEmpty());
    QVERIFY(!f->progress().existing());
}

void TestReaderFlow::closingDuringDownloadEndsTheProgram()
{
    // The server answers only after 30 s; the window is closed while Read waits.
    startServer(30.0);
    selectResult(QStringLiteral("faq17.txt"));
    bool busyAtClose = false;
    QTimer::singleShot(0, f, [&] { f->cmdRead_Click(); });
    QTimer::singleShot(500, f, [&] {
        busyAtClose = f->channels().busy();
        f->close();
    });
    QElapsedTimer clock;
    clock.start();
    // The program's own event loop: closing the main window must end it.
    const int status = QCoreApplication::exec();
    QCOMPARE(status, 0);
    QVERIFY(busyAtClose);
    QVERIFY2(clock.elapsed() < 5000, "the event loop ended only when the download did");
    QVERIFY(!f->channels().busy());
    // Nothing is reported about the aborted download, and it is not finished.
    QVERIFY(w->reporter.boxes.isEmpty());
    QVERIFY(w->state.FaqFile.isEmpty());
    QVERIFY(!QFile::exists(w->state.AppDir + QStringLiteral("faq17.txt")));
    QVERIFY(!f->progress().existing());
}

void TestReaderFlow::plantedWorkFileLinkIsNotFollowed()
{
    // A link planted at the work file's place, pointing out of the program
    // folder, before the document is read: the server's text must not end up in
    // the file it points to.
    WriteFile(dir->filePath(QStringLiteral("www/software/corvane/doc.faq")),
              "Subject=Planted\r\n[body]\r\nThe server's text: see www.example.org\r\n[/body]\r\n");
    const QString outside = dir->filePath(QStringLiteral("outside.txt"));
    WriteFile(outside, "the user's own file\r\n");
    const QString workFile = w->state.AppDir + QStringLiteral("doc.faq.tmp");
    QVERIFY(QFile::link(outside, workFile));
    startServer(0);
    selectResult(QStringLiteral("doc.faq"));
    QTest::mouseClick(readButton(), Qt::LeftButton);

    QCOMPARE(testsupport::ReadFile(outside), QByteArray("the user's own file\r\n"));
    auto *txtFAQ = w->child<richtext::RichTextBox>("txtFAQ");
    QCOMPARE(txtFAQ->text(), QStringLiteral("The server's text: see www.example.org    "));
    QVERIFY(txtFAQ->isLinkAt(23));
    QCOMPARE(w->child<QLineEdit>("txtSubject")->text(), QStringLiteral("Planted"));
    QVERIFY(!QFileInfo(workFile).isSymLink() && !QFileInfo::exists(workFile));
    QVERIFY(w->reporter.boxes.isEmpty());
}

void TestReaderFlow::mailLinkFragmentIsDropped()
{
    // A served document's mail link that hides header fields after a "#" opens
    // the mail program with the address alone.
    WriteFile(dir->filePath(QStringLiteral("www/software/corvane/mail.txt")),
              "Subject=Mail\r\n[body]\r\nwrite to mailto:a@b#?attach=/etc/passwd now\r\n[/body]\r\n");
    QList<desktop::ShellOpenCall> opened;
    startServer(0);
    w->form->setLinkOpener([&opened](const desktop::ShellOpenCall &call) { opened.append(call); });
    selectResult(QStringLiteral("mail.txt"));
    QTest::mouseClick(readButton(), Qt::LeftButton);
    auto *txtFAQ = w->child<richtext::RichTextBox>("txtFAQ");
    const int at = int(txtFAQ->text().indexOf(QLatin1String("mailto:"))) + 3;
    QVERIFY(at > 3);
    QTextCursor cursor(txtFAQ->document());
    cursor.setPosition(txtFAQ->indexToPosition(at));
    const QPoint point = txtFAQ->cursorRect(cursor).center() + QPoint(2, 0);
    QTest::mouseMove(txtFAQ->viewport(), QPoint(1, 1));
    QTest::mouseMove(txtFAQ->viewport(), point);
    QTest::mouseClick(txtFAQ->viewport(), Qt::LeftButton, {}, point);
    w->form->setLinkOpener({});

    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened.first().target, QStringLiteral("mailto:a@b#?attach=/etc/passwd"));
    QCOMPARE(opened.first().url.toString(QUrl::FullyEncoded), QStringLiteral("mailto:a@b"));
}

QTEST_MAIN(TestReaderFlow)
#include "test_readerflow.moc"
