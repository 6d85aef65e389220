#include "faq/DownloadFaq.h"
#include "richtext/RichTextBox.h"
#include "settings/Module1.h"
#include "shell/ReaderPanel.h"
#include "support/Files.h"
#include "support/Recorders.h"
#include "support/TestServer.h"
#include "transfer/Channels.h"
#include "transfer/TransferChannel.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace veldra;
using faq::DownloadFaq;
using testsupport::ReadFile;
using testsupport::WriteFile;

// Fetching a document into AppDir against a real server on the loopback
// interface: what lands on disk, what the user is told, and what is refused.
class TestDownloadFaq : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void downloadWritesTextAndCrLf();
    void failedDownloadKeepsLastGoodCopy_data();
    void failedDownloadKeepsLastGoodCopy();
    void unsafeNamesRefused_data();
    void unsafeNamesRefused();
    void nameIsOnePercentEncodedSegment();
    void programFilesAreNotReplaced();
    void programFileNamesRefused_data();
    void programFileNamesRefused();
    void linkPlantedDuringASlowDownloadIsNotFollowed();

private:
    QString base() const { return server->url(QStringLiteral("/software/corvane/")); }
    QStringList requests() const { return server->requests().mid(requestsBefore); }
    void serve(const QString &name, const QByteArray &bytes);
    QString appFile(const QString &name) const { return state.AppDir + name; }
    QStringList appDirEntries() const;
    // Downloads `name`, the shared FaqFile following a success as Read does.
    Result<QString> download(const QString &name);
    QTemporaryDir *dir = nullptr;
    testsupport::TestServer *server = nullptr;
    qsizetype requestsBefore = 0;
    settings::Module1 state;
    transfer::Channels *net = nullptr;
    testsupport::RecordingProgress progress;
};

void TestDownloadFaq::initTestCase()
{
    dir = new QTemporaryDir;
    QVERIFY(QDir(dir->path()).mkpath(QStringLiteral("www")));
    server = new testsupport::TestServer(dir->filePath(QStringLiteral("www")));
    QVERIFY2(server->start(), qPrintable(server->errorString()));
    net = new transfer::Channels;
}

void TestDownloadFaq::cleanupTestCase()
{
    delete net;
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
    progress.calls.clear();
    state.AppName = QStringLiteral("Veldra");
    state.AppDir = dir->filePath(QStringLiteral("app")) + QLatin1Char('/');
    state.HttpProxy.clear();
    state.HttpProxyPort = QStringLiteral("0");
    state.FaqFile.clear();
    state.ServerUrl = base();
}

void TestDownloadFaq::serve(const QString &name, const QByteArray &bytes)
{
    QVERIFY(WriteFile(dir->filePath(QStringLiteral("www/software/corvane/")) + name, bytes));
}

Result<QString> TestDownloadFaq::download(const QString &name)
{
    Result<QString> localCopy = DownloadFaq(*net, state, name, progress);
    if (localCopy)
        state.FaqFile = localCopy.value();
    return localCopy;
}

QStringList TestDownloadFaq::appDirEntries() const
{
    return QDir(state.AppDir)
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

void TestDownloadFaq::downloadWritesTextAndCrLf()
{
    const QByteArray text = "Subject=Caf\xe9\r\n[body]\r\nsee www.example.org\r\n[/body]";
    serve(QStringLiteral("faq17.txt"), text);
    const Result<QString> localCopy = download(QStringLiteral("faq17.txt"));
    QVERIFY2(localCopy.ok(), qPrintable(localCopy.error()));
    QCOMPARE(ReadFile(appFile(QStringLiteral("faq17.txt"))), text + "\r\n");
    QCOMPARE(localCopy.value(), appFile(QStringLiteral("faq17.txt")));
    QCOMPARE(requests(), QStringList{QStringLiteral("GET /software/corvane/faq17.txt HTTP/1.1")});
    QCOMPARE(progress.calls,
             (QStringList{QStringLiteral("show Please wait...|Downloading FAQ...|1|1"), QStringLiteral("close")}));
    QCOMPARE(net->HTTP().requestTimeout(), 120);
}

void TestDownloadFaq::failedDownloadKeepsLastGoodCopy_data()
{
    QTest::addColumn<QString>("path"); // where the server is asked for the document
    QTest::newRow("not found") << QStringLiteral("/software/corvane/");
    QTest::newRow("server error") << QStringLiteral("/_test/status/500/");
    QTest::newRow("cut short") << QStringLiteral("/_test/truncated/");
    QTest::newRow("connection closed") << QStringLiteral("/_test/close/");
    QTest::newRow("invalid chunk size") << QStringLiteral("/_test/badchunk/");
    QTest::newRow("no content") << QStringLiteral("/_test/status/204/");
    QTest::newRow("not modified") << QStringLiteral("/_test/status/304/");
    QTest::newRow("endless") << QStringLiteral("/_test/endless/");
    QTest::newRow("nobody listening") << QString();
}

void TestDownloadFaq::failedDownloadKeepsLastGoodCopy()
{
    QFETCH(QString, path);
    const QByteArray good = "Subject=Good\r\n[body]\r\ngood body\r\n[/body]\r\n";
    QVERIFY(WriteFile(appFile(QStringLiteral("faq17.txt")), good));
    state.FaqFile = appFile(QStringLiteral("faq17.txt"));

    state.ServerUrl = server->url(path);
    state.Limits.faq.maxBytes = 2 * 1024 * 1024;
    if (path.isEmpty()) {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        state.ServerUrl = QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort());
    }
    const Result<QString> localCopy = download(QStringLiteral("faq17.txt"));

    QVERIFY(!localCopy.ok());
    QVERIFY(!localCopy.error().isEmpty()); // the description is there
    if (path.contains(QLatin1String("endless")))
        QCOMPARE(localCopy.error(), QStringLiteral("The document exceeds the size limit of 2 MiB"));
    QCOMPARE(progress.calls.last(), QStringLiteral("close"));

    QCOMPARE(ReadFile(appFile(QStringLiteral("faq17.txt"))), good);
    QCOMPARE(appDirEntries(), QStringList{QStringLiteral("faq17.txt")});
    QCOMPARE(state.FaqFile, appFile(QStringLiteral("faq17.txt")));

    // The reader still shows the last good document.
    QWidget window;
    shell::ReaderPanel ui{new QLineEdit(&window), new QLineEdit(&window), new QLineEdit(&window),
                          new QLineEdit(&window), new richtext::RichTextBox(&window)};
    QVERIFY(shell::FillReaderPanel(ui, state).ok());
    QCOMPARE(ui.txtSubject->text(), QStringLiteral("Good"));
    QCOMPARE(ui.txtFAQ->text(), QStringLiteral("good body    "));
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
    QVERIFY(WriteFile(victim, "keep me"));
    name.replace(QLatin1String("@victim"), victim);
    shown.replace(QLatin1String("@victim"), victim);
    serve(QStringLiteral("victim.txt"), "bait"); // something the server could answer with

    const Result<QString> localCopy = download(name);
    QVERIFY(!localCopy.ok());
    QCOMPARE(localCopy.error(), QStringLiteral("the file name ") + shown + QStringLiteral(" is not a plain file name"));
    QVERIFY(requests().isEmpty());
    QVERIFY(progress.calls.isEmpty()); // refused before anything was shown
    QCOMPARE(ReadFile(victim), QByteArray("keep me"));
    QCOMPARE(QDir(dir->filePath(QStringLiteral("outside"))).entryList(QDir::Files),
             QStringList{QStringLiteral("victim.txt")});
    QVERIFY(appDirEntries().isEmpty());
    QVERIFY(state.FaqFile.isEmpty());
}

void TestDownloadFaq::nameIsOnePercentEncodedSegment()
{
    const QString name = QStringLiteral("faq 17#%?;.txt");
    serve(name, "Subject=Odd name");
    QVERIFY(download(name).ok());
    QCOMPARE(requests(), QStringList{QStringLiteral("GET /software/corvane/faq%2017%23%25%3F%3B.txt HTTP/1.1")});
    QCOMPARE(ReadFile(appFile(name)), QByteArray("Subject=Odd name\r\n"));
    QCOMPARE(state.FaqFile, appFile(name));
}

void TestDownloadFaq::programFilesAreNotReplaced()
{
    // The program's own executable, and a link that leads out of AppDir.
    const QString program = appFile(QStringLiteral("veldra"));
    QVERIFY(WriteFile(program, "#!/bin/sh\n"));
    QVERIFY(QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner));
    const QString victim = dir->filePath(QStringLiteral("outside/victim.txt"));
    QVERIFY(WriteFile(victim, "keep me"));
    QVERIFY(QFile::link(victim, appFile(QStringLiteral("link.txt"))));
    serve(QStringLiteral("veldra"), "rm -rf ~");
    serve(QStringLiteral("link.txt"), "overwritten");

    const Result<QString> program1 = download(QStringLiteral("veldra"));
    const Result<QString> link = download(QStringLiteral("link.txt"));
    QVERIFY(!program1.ok() && !link.ok());
    QVERIFY(program1.error().contains(QLatin1String("\"veldra\"")));
    QVERIFY(link.error().contains(QLatin1String("\"link.txt\"")));
    QCOMPARE(ReadFile(program), QByteArray("#!/bin/sh\n"));
    QCOMPARE(ReadFile(victim), QByteArray("keep me"));
    QVERIFY(QFileInfo(appFile(QStringLiteral("link.txt"))).isSymLink());
    QVERIFY(requests().isEmpty());
}

void TestDownloadFaq::programFileNamesRefused_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"script.dat", "news.rtf", "hand.cur", "Hand.Cur", "doc.faq.tmp", "x.TMP"})
        QTest::newRow(name) << QString::fromLatin1(name);
    QTest::newRow("the executable") << QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

void TestDownloadFaq::programFileNamesRefused()
{
    // An index record naming one of the program's own files cannot replace it,
    // even while it is an ordinary file.
    QFETCH(QString, name);
    QVERIFY(WriteFile(appFile(name), "the program's own"));
    serve(name, "20 MB of something else");
    const Result<QString> localCopy = download(name);
    QCOMPARE(localCopy.error(), QStringLiteral("the file name \"%1\" is one of the program's own files").arg(name));
    QCOMPARE(ReadFile(appFile(name)), QByteArray("the program's own"));
    QVERIFY(requests().isEmpty());
    QVERIFY(progress.calls.isEmpty());
    QVERIFY(state.FaqFile.isEmpty());
}

void TestDownloadFaq::linkPlantedDuringASlowDownloadIsNotFollowed()
{
    // The name is checked before the fetch; a link that appears under it while
    // the document is on its way is not written through, and stays a link.
    serve(QStringLiteral("race.faq"), "Subject=Race\r\n");
    state.ServerUrl = server->url(QStringLiteral("/_test/slow/1/software/corvane/"));
    const QString victim = dir->filePath(QStringLiteral("outside/victim.txt"));
    QVERIFY(WriteFile(victim, "keep me"));
    QTimer::singleShot(300, [&] { QVERIFY(QFile::link(victim, appFile(QStringLiteral("race.faq")))); });

    const Result<QString> localCopy = download(QStringLiteral("race.faq"));

    QVERIFY(!localCopy.ok());
    QCOMPARE(localCopy.error(), QStringLiteral("Cannot write %1: it is a link, a folder or a program file")
                                    .arg(appFile(QStringLiteral("race.faq"))));
    QCOMPARE(ReadFile(victim), QByteArray("keep me"));
    QVERIFY(QFileInfo(appFile(QStringLiteral("race.faq"))).isSymLink());
    QCOMPARE(appDirEntries(), QStringList{QStringLiteral("race.faq")});
    QVERIFY(state.FaqFile.isEmpty());
    QCOMPARE(progress.calls.last(), QStringLiteral("close"));
}

QTEST_MAIN(TestDownloadFaq)
#include "test_downloadfaq.moc"
