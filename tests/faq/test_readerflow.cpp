#include "index/SearchAction.h"
#include "platform/MessageBox.h"
#include "platform/RichTextBox.h"
#include "settings/Module1.h"
#include "shell/Form1.h"
#include "shell/Form2.h"

#include "FaqTestFiles.h"
#include "LoopbackServer.h"

#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

// Read in the main window, from a result in the list to the filled reader. The
// window asks its fixed server address; the test server stands in as its proxy.
class TestReaderFlow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void readShowsDocumentInReader();
    void emptyTagDoesNothing();
    void secondReadWhileDownloadingIgnored();

private:
    void startServer(double delaySeconds);
    void selectResult(const QString &tag);
    QTemporaryDir *dir = nullptr;
    LoopbackServer *server = nullptr;
    Form1 *f = nullptr;
    QList<platform::MsgBoxCall> boxes;
};

void TestReaderFlow::init()
{
    dir = new QTemporaryDir;
    QDir(dir->path()).mkpath(QStringLiteral("app"));
    QDir(dir->path()).mkpath(QStringLiteral("www/software/corvane"));
    WriteBytes(dir->filePath(QStringLiteral("www/software/corvane/faq17.txt")),
               "Subject=Printing from the editor\r\nAuthor=A. Writer\r\nAuthorEMAIL=writer@example.org\r\n"
               "Version=1.2\r\nAuthorWEBSITE=www.writer.example\r\n[Body]\r\n"
               "To print, open the File menu.\r\n\"Choose Print, then OK.\"\r\n"
               "More at www.example.org or http://www.example.org/print.html\r\n[/body]\r\n");
    boxes.clear();
    platform::SetMsgBoxHook([this](const platform::MsgBoxCall &c) { boxes << c; });
    Module1::AppName = QStringLiteral("Veldra");
    Module1::AppDir = dir->filePath(QStringLiteral("app")) + QLatin1Char('/');
    Module1::FaqFile.clear();
    f = Form1::Get();
    f->SetTVNodes();
    f->show();
}

void TestReaderFlow::cleanup()
{
    delete f;
    delete Form2::Existing();
    delete server;
    server = nullptr;
    platform::SetMsgBoxHook({});
    delete dir;
}

void TestReaderFlow::startServer(double delaySeconds)
{
    server = new LoopbackServer(dir->filePath(QStringLiteral("www")), delaySeconds);
    QVERIFY(server->isRunning());
    Module1::HttpProxy = QStringLiteral("127.0.0.1");
    Module1::HttpProxyPort = QString::number(server->port());
}

void TestReaderFlow::selectResult(const QString &tag)
{
    auto *item = new QTreeWidgetItem(f->lstResults, {QStringLiteral("Printing from the editor")});
    item->setData(0, kResultTagRole, tag);
    f->lstResults->setCurrentItem(item);
    f->cmdRead->setEnabled(true);
}

void TestReaderFlow::readShowsDocumentInReader()
{
    startServer(0);
    selectResult(QStringLiteral("faq17.txt"));
    QTest::mouseClick(f->cmdRead, Qt::LeftButton);

    QCOMPARE(server->requests().size(), 1);
    QCOMPARE(Module1::FaqFile, Module1::AppDir + QStringLiteral("faq17.txt"));
    QCOMPARE(f->TV->currentItem(), f->TVNode(4));
    QVERIFY(f->frameReader->isVisible());
    QCOMPARE(f->txtSubject->text(), QStringLiteral("Printing from the editor"));
    QCOMPARE(f->txtVersion->text(), QStringLiteral("1.2"));
    QCOMPARE(f->txtAuthor->text(), QStringLiteral("A. Writer"));
    QCOMPARE(f->txtWebsite->text(), QStringLiteral("www.writer.example"));
    const QString body = f->txtFAQ->text();
    QVERIFY2(body.startsWith(QLatin1String("To print\r\nopen the File menu.\r\nChoose Print, then OK.\r\nMore at ")),
             qPrintable(body));
    const int www = int(body.indexOf(QLatin1String("www.example.org or")));
    const int http = int(body.indexOf(QLatin1String("http://")));
    QVERIFY(f->txtFAQ->isLinkAt(www) && f->txtFAQ->isLinkAt(www + 14) && !f->txtFAQ->isLinkAt(www + 15));
    QVERIFY(f->txtFAQ->isLinkAt(http) && f->txtFAQ->colorAt(http) == QColor(0, 0, 255));
    QVERIFY(!Form2::Existing());
    QVERIFY(boxes.isEmpty());

    const QString shot = qEnvironmentVariable("VELDRA_FAQ_SCREENSHOT");
    if (!shot.isEmpty())
        f->grab().save(shot);
}

void TestReaderFlow::emptyTagDoesNothing()
{
    startServer(0);
    selectResult(QString());
    QTest::mouseClick(f->cmdRead, Qt::LeftButton);
    QVERIFY(!Form2::Existing());
    QVERIFY(server->requests().isEmpty());
    QCOMPARE(f->TV->currentItem(), f->TVNode(2));
    QVERIFY(boxes.isEmpty());
}

void TestReaderFlow::secondReadWhileDownloadingIgnored()
{
    startServer(1.0);
    selectResult(QStringLiteral("faq17.txt"));
    // The second click lands while the first download waits for the server.
    bool clickedDuringDownload = false;
    QTimer::singleShot(300, f, [&] {
        clickedDuringDownload = Form2::Existing() != nullptr;
        f->cmdRead_Click();
    });
    f->cmdRead_Click();
    QVERIFY(clickedDuringDownload);
    QTest::qWait(1500); // a second request, had one been sent, would have arrived
    QCOMPARE(server->requests().size(), 1);
    QCOMPARE(f->txtSubject->text(), QStringLiteral("Printing from the editor"));
    QVERIFY(boxes.isEmpty());
}

QTEST_MAIN(TestReaderFlow)
#include "test_readerflow.moc"
