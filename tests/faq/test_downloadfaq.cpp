#include "faq/ReaderPanel.h"
#include "platform/MessageBox.h"
#include "platform/RichTextBox.h"
#include "settings/Module1.h"
#include "shell/Form2.h"
#include "transfer/TransferChannel.h"

#include "FaqTestFiles.h"
#include "support/TestServer.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// Fetching a document into AppDir against a real server on the loopback
// interface: what lands on disk, what the user is told, and what is refused.
class TestDownloadFaq : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void downloadWritesTextAndCrLf();
    void failedDownloadKeepsLastGoodCopy_data();
    void failedDownloadKeepsLastGoodCopy();
    void unsafeNamesRefused_data();
    void unsafeNamesRefused();
    void nameIsOnePercentEncodedSegment();
    void programFilesAreNotReplaced();

private:
    QString base() const { return server->url(QStringLiteral("/software/corvane/")); }
    QStringList requests() const { return server->requests().mid(requestsBefore); }
    void serve(const QString &name, const QByteArray &bytes);
    QString appFile(const QString &name) const { return Module1::AppDir + name; }
    QStringList appDirEntries() const;
    QTemporaryDir *dir = nullptr;
    testsupport::TestServer *server = nullptr;
    qsizetype requestsBefore = 0;
    TransferChannel *HTTP = nullptr;
    QList<platform::MsgBoxCall> boxes;
};

void TestDownloadFaq::initTestCase()
{
    dir = new QTemporaryDir;
    QVERIFY(QDir(dir->path()).mkpath(QStringLiteral("www")));
    server = new testsupport::TestServer(dir->filePath(QStringLiteral("www")));
    QVERIFY2(server->start(), qPrintable(server->errorString()));
    HTTP = new TransferChannel(QStringLiteral("HTTP"));
}

void TestDownloadFaq::cleanupTestCase()
{
    delete HTTP;
    delete server;
    delete dir;
}

// Every test starts with an empty AppDir, server folder and request log.
void TestDownloadFaq::init()
{
    for (const char *sub : {"app", "outside", "www/software"})
        QDir(dir->filePath(QString::fromLatin1(sub))).removeRecursively();
    for (const char *sub : {"app", "outside", "www/software/corvane"})
        QVERIFY(QDir(dir->path()).mkpath(QString::fromLatin1(sub)));
    requestsBefore = server->requests().size();
    boxes.clear();
    platform::SetMsgBoxHook([this](const platform::MsgBoxCall &c) { boxes << c; });
    Module1::AppName = QStringLiteral("Veldra");
    Module1::AppDir = dir->filePath(QStringLiteral("app")) + QLatin1Char('/');
    Module1::HttpProxy.clear();
    Module1::HttpProxyPort = QStringLiteral("0");
    Module1::FaqFile.clear();
}

void TestDownloadFaq::cleanup()
{
    platform::SetMsgBoxHook({});
}

void TestDownloadFaq::serve(const QString &name, const QByteArray &bytes)
{
    QVERIFY(WriteBytes(dir->filePath(QStringLiteral("www/software/corvane/")) + name, bytes));
}

QStringList TestDownloadFaq::appDirEntries() const
{
    return QDir(Module1::AppDir)
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

void TestDownloadFaq::downloadWritesTextAndCrLf()
{
    const QByteArray text = "Subject=Caf\xe9\r\n[body]\r\nsee www.example.org\r\n[/body]";
    serve(QStringLiteral("faq17.txt"), text);
    QVERIFY(DownloadFaq(*HTTP, QStringLiteral("faq17.txt"), base(), nullptr));
    QCOMPARE(ReadBytes(appFile(QStringLiteral("faq17.txt"))), text + "\r\n");
    QCOMPARE(Module1::FaqFile, appFile(QStringLiteral("faq17.txt")));
    QCOMPARE(requests(), QStringList{QStringLiteral("GET /software/corvane/faq17.txt HTTP/1.1")});
    QVERIFY(!Form2::Existing());
    QVERIFY(boxes.isEmpty());
    QCOMPARE(HTTP->requestTimeout(), 120);
}

void TestDownloadFaq::failedDownloadKeepsLastGoodCopy_data()
{
    QTest::addColumn<QString>("path"); // where the server is asked for the document
    QTest::newRow("not found") << QStringLiteral("/software/corvane/");
    QTest::newRow("server error") << QStringLiteral("/_test/status/500/");
    QTest::newRow("cut short") << QStringLiteral("/_test/truncated/");
    QTest::newRow("connection closed") << QStringLiteral("/_test/close/");
    QTest::newRow("nobody listening") << QString();
}

void TestDownloadFaq::failedDownloadKeepsLastGoodCopy()
{
    QFETCH(QString, path);
    const QByteArray good = "Subject=Good\r\n[body]\r\ngood body\r\n[/body]\r\n";
    QVERIFY(WriteBytes(appFile(QStringLiteral("faq17.txt")), good));
    Module1::FaqFile = appFile(QStringLiteral("faq17.txt"));

    QString url = server->url(path);
    if (path.isEmpty()) {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        url = QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort());
    }
    QVERIFY(!DownloadFaq(*HTTP, QStringLiteral("faq17.txt"), url, nullptr));

    QCOMPARE(boxes.size(), 1);
    const QString prefix = QStringLiteral("Error while connecting to server using HTTP protocol: ");
    const QString suffix = QStringLiteral("\r\nPlease check your proxy settings...");
    QVERIFY2(boxes.at(0).text.startsWith(prefix) && boxes.at(0).text.endsWith(suffix), qPrintable(boxes.at(0).text));
    QVERIFY(boxes.at(0).text.size() > prefix.size() + suffix.size()); // the description is there
    QCOMPARE(boxes.at(0).style, 16);
    QCOMPARE(boxes.at(0).title, QStringLiteral("Veldra - Error"));
    QVERIFY(!Form2::Existing());

    QCOMPARE(ReadBytes(appFile(QStringLiteral("faq17.txt"))), good);
    QCOMPARE(appDirEntries(), QStringList{QStringLiteral("faq17.txt")});
    QCOMPARE(Module1::FaqFile, appFile(QStringLiteral("faq17.txt")));

    // The reader still shows the last good document.
    boxes.clear();
    QWidget window;
    ReaderPanel ui{new QLineEdit(&window), new QLineEdit(&window), new QLineEdit(&window), new QLineEdit(&window),
                   new platform::RichTextBox(&window)};
    FillInFAQ(ui);
    QCOMPARE(ui.txtSubject->text(), QStringLiteral("Good"));
    QCOMPARE(ui.txtFAQ->text(), QStringLiteral("good body    "));
    QVERIFY(boxes.isEmpty());
}

void TestDownloadFaq::unsafeNamesRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown"); // how the message names it
    QTest::newRow("empty") << QString() << QStringLiteral("\"\"");
    QTest::newRow("dot") << QStringLiteral(".") << QStringLiteral("\".\"");
    QTest::newRow("dot dot") << QStringLiteral("..") << QStringLiteral("\"..\"");
    QTest::newRow("climbs out") << QStringLiteral("../outside/victim.txt")
                                << QStringLiteral("\"../outside/victim.txt\"");
    QTest::newRow("absolute") << QStringLiteral("@victim") << QStringLiteral("\"@victim\""); // the full path
    QTest::newRow("sub folder") << QStringLiteral("sub/faq.txt") << QStringLiteral("\"sub/faq.txt\"");
    QTest::newRow("backslash") << QStringLiteral("..\\victim.txt") << QStringLiteral("\"..\\victim.txt\"");
    QTest::newRow("tab") << QStringLiteral("faq\t.txt") << QStringLiteral("\"faq\\x09.txt\"");
    QTest::newRow("line break") << QStringLiteral("faq\r\n.txt") << QStringLiteral("\"faq\\x0d\\x0a.txt\"");
    QTest::newRow("nul") << (QStringLiteral("faq") + QChar(0) + QStringLiteral(".txt"))
                         << QStringLiteral("\"faq\\x00.txt\"");
    QTest::newRow("delete") << QStringLiteral("faq\x7f") << QStringLiteral("\"faq\\x7f\"");
}

void TestDownloadFaq::unsafeNamesRefused()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    const QString victim = dir->filePath(QStringLiteral("outside/victim.txt"));
    QVERIFY(WriteBytes(victim, "keep me"));
    name.replace(QLatin1String("@victim"), victim);
    shown.replace(QLatin1String("@victim"), victim);
    serve(QStringLiteral("victim.txt"), "bait"); // something the server could answer with

    QVERIFY(!DownloadFaq(*HTTP, name, base(), nullptr));
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.at(0).text, QStringLiteral("Error while connecting to server using HTTP protocol: the file name ") +
                                   shown +
                                   QStringLiteral(" is not a plain file name\r\nPlease check your proxy settings..."));
    QCOMPARE(boxes.at(0).style, 16);
    QVERIFY(requests().isEmpty());
    QVERIFY(!Form2::Existing());
    QCOMPARE(ReadBytes(victim), QByteArray("keep me"));
    QCOMPARE(QDir(dir->filePath(QStringLiteral("outside"))).entryList(QDir::Files),
             QStringList{QStringLiteral("victim.txt")});
    QVERIFY(appDirEntries().isEmpty());
    QVERIFY(Module1::FaqFile.isEmpty());
}

void TestDownloadFaq::nameIsOnePercentEncodedSegment()
{
    const QString name = QStringLiteral("faq 17#%?;.txt");
    serve(name, "Subject=Odd name");
    QVERIFY(DownloadFaq(*HTTP, name, base(), nullptr));
    QCOMPARE(requests(), QStringList{QStringLiteral("GET /software/corvane/faq%2017%23%25%3F%3B.txt HTTP/1.1")});
    QCOMPARE(ReadBytes(appFile(name)), QByteArray("Subject=Odd name\r\n"));
    QCOMPARE(Module1::FaqFile, appFile(name));
}

void TestDownloadFaq::programFilesAreNotReplaced()
{
    // The program's own executable, and a link that leads out of AppDir.
    const QString program = appFile(QStringLiteral("veldra"));
    QVERIFY(WriteBytes(program, "#!/bin/sh\n"));
    QVERIFY(QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner));
    const QString victim = dir->filePath(QStringLiteral("outside/victim.txt"));
    QVERIFY(WriteBytes(victim, "keep me"));
    QVERIFY(QFile::link(victim, appFile(QStringLiteral("link.txt"))));
    serve(QStringLiteral("veldra"), "rm -rf ~");
    serve(QStringLiteral("link.txt"), "overwritten");

    QVERIFY(!DownloadFaq(*HTTP, QStringLiteral("veldra"), base(), nullptr));
    QVERIFY(!DownloadFaq(*HTTP, QStringLiteral("link.txt"), base(), nullptr));
    QCOMPARE(boxes.size(), 2);
    QVERIFY(boxes.at(0).text.contains(QLatin1String("\"veldra\"")));
    QVERIFY(boxes.at(1).text.contains(QLatin1String("\"link.txt\"")));
    QCOMPARE(ReadBytes(program), QByteArray("#!/bin/sh\n"));
    QCOMPARE(ReadBytes(victim), QByteArray("keep me"));
    QVERIFY(QFileInfo(appFile(QStringLiteral("link.txt"))).isSymLink());
    QVERIFY(requests().isEmpty());
}

QTEST_MAIN(TestDownloadFaq)
#include "test_downloadfaq.moc"
