// The index download against a real loopback server, on its own and as the
// start-up runs it.
#include "index/DownloadIndex.h"
#include "index/IndexSearch.h"
#include "platform/MessageBox.h"
#include "settings/AppDir.h"
#include "settings/Module1.h"
#include "shell/Form1.h"
#include "shell/Form2.h"
#include "support/TestServer.h"
#include "transfer/TransferChannel.h"

#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

using testsupport::TestServer;

namespace
{

const QString kPrefix = QStringLiteral("Error while connecting to server using HTTP protocol: ");
const QString kSuffix = QStringLiteral("\r\nPlease check your proxy settings...");

// Start-up asks the server the program was built for; these tests stand in
// for it when it is a port on this machine.
quint16 BuiltInServerPort()
{
    const QString host = QStringLiteral(VELDRA_SERVER_HOST);
    return host.startsWith(QLatin1String("127.0.0.1:")) ? quint16(host.section(QLatin1Char(':'), 1).toUInt()) : 0;
}

QByteArray FileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// The bar's values and the status line at each, from now until the window closes.
QStringList *RecordProgress()
{
    auto *seen = new QStringList;
    Form2 *f = Form2::Existing();
    QObject::connect(f->Prog, &QProgressBar::valueChanged, f,
                     [seen, f](int value) { *seen << QString::number(value) + QLatin1Char(' ') + f->Status->text(); });
    QObject::connect(f, &QObject::destroyed, [seen] { delete seen; });
    return seen;
}

// Runs the program's start-up with `appDir` as the program folder.
Form1 *StartUpIn(const QTemporaryDir &appDir)
{
    CloseProgress();
    SetExecutableDir(appDir.path());
    Form1 *f = Form1::Get();
    f->Form_Load();
    SetExecutableDir(QString());
    return f;
}

} // namespace

class TestDownloadIndex : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void savesTextAndLineEnd_data();
    void savesTextAndLineEnd();
    void failureIsReported_data();
    void failureIsReported();
    void usesTheHttpProxy();
    void startUpDownloadsIndex();
    void startUpGoesOnAfterFailure();

private:
    QTemporaryDir m_dir;
    TestServer m_server;
    QList<platform::MsgBoxCall> m_boxes;
};

void TestDownloadIndex::initTestCase()
{
    for (const char *name : {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"})
        qunsetenv(name);
    QVERIFY(m_dir.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("config"))));
    QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
    platform::SetMsgBoxHook([this](const platform::MsgBoxCall &call) { m_boxes.append(call); });
}

void TestDownloadIndex::init()
{
    m_boxes.clear();
    Module1::AppName = QStringLiteral("Veldra");
    Module1::HttpProxy.clear();
    Module1::HttpProxyPort = QStringLiteral("0");
    Module1::IndexFile = m_dir.filePath(QStringLiteral("script.dat"));
    QFile::remove(Module1::IndexFile);
    ShowProgress(QStringLiteral("Please wait..."), QStringLiteral("Connecting to the server..."), true, true, nullptr);
}

void TestDownloadIndex::cleanup()
{
    CloseProgress();
}

void TestDownloadIndex::savesTextAndLineEnd_data()
{
    QTest::addColumn<QByteArray>("served");
    QTest::addColumn<int>("records"); // that a search for ".faq" then finds
    QTest::newRow("no final line end") << QByteArray("a.faq=Proxy]\r\nb.faq=Intro]") << 2;
    // The extra line end makes an empty last line, which is no record.
    QTest::newRow("final line end") << QByteArray("a.faq=Proxy]\r\n") << 1;
    QTest::newRow("code page, unquoted comma") << QByteArray("\xc9t\xe9.faq=\xc9"
                                                             "cole, \x8c"
                                                             "uvre]\r\n")
                                               << 0;
    QTest::newRow("code page, quoted") << QByteArray("\"\xc9t\xe9.faq=\xc9"
                                                     "cole, \x8c"
                                                     "uvre]\"\r\n")
                                       << 1;
    QTest::newRow("empty") << QByteArray() << 0;
}

void TestDownloadIndex::savesTextAndLineEnd()
{
    QFETCH(QByteArray, served);
    QVERIFY(WriteFile(m_server.root() + QStringLiteral("/software/corvane/script.txt"), served));
    QStringList *progress = RecordProgress();
    TransferChannel HTTP(QStringLiteral("HTTP"));

    DownloadIndex(HTTP, m_server.url(QStringLiteral("/software/corvane/")));

    QCOMPARE(FileBytes(Module1::IndexFile), served + "\r\n");
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(*progress,
             (QStringList{QStringLiteral("75 Connecting to the server..."), QStringLiteral("50 Downloading script..."),
                          QStringLiteral("99 Downloading script..."), QStringLiteral("100 Loading...")}));
    QVERIFY(Form2::Existing()); // start-up goes on with the window open
    QVERIFY(m_server.requests().contains(QStringLiteral("GET /software/corvane/script.txt HTTP/1.1")));
    QTEST(int(SearchIndexFile(Module1::IndexFile, u".FAQ", 500).size()), "records");
}

void TestDownloadIndex::failureIsReported_data()
{
    QTest::addColumn<QString>("baseUrl");
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    QTest::newRow("refused") << QStringLiteral("http://127.0.0.1:%1/software/corvane/").arg(port);
    QTest::newRow("not on the server") << m_server.url(QStringLiteral("/elsewhere/"));
    QTest::newRow("server error") << m_server.url(QStringLiteral("/_test/status/500/"));
}

void TestDownloadIndex::failureIsReported()
{
    QFETCH(QString, baseUrl);
    QVERIFY(WriteFile(Module1::IndexFile, "from an earlier run"));
    QStringList *progress = RecordProgress();
    TransferChannel HTTP(QStringLiteral("HTTP"));

    DownloadIndex(HTTP, baseUrl);

    QCOMPARE(m_boxes.size(), 1);
    const platform::MsgBoxCall box = m_boxes.first();
    QVERIFY2(box.text.startsWith(kPrefix) && box.text.endsWith(kSuffix), qPrintable(box.text));
    QVERIFY(box.text.size() > kPrefix.size() + kSuffix.size()); // the failure's description
    QCOMPARE(box.style, 16);
    QCOMPARE(box.title, QStringLiteral("Veldra - Error"));
    // The steps after the fetch are skipped; the file was emptied before it.
    QCOMPARE(progress->last(), QStringLiteral("50 Downloading script..."));
    QCOMPARE(FileBytes(Module1::IndexFile), QByteArray());
}

void TestDownloadIndex::usesTheHttpProxy()
{
    // The test server stands in for the proxy: it logs the absolute address
    // a proxy is asked for, and answers it with "not found".
    Module1::HttpProxy = QStringLiteral("127.0.0.1");
    Module1::HttpProxyPort = QString::number(m_server.port());
    TransferChannel HTTP(QStringLiteral("HTTP"));
    DownloadIndex(HTTP, QStringLiteral("http://veldra.invalid/software/corvane/"));
    QVERIFY(
        m_server.requests().contains(QStringLiteral("GET http://veldra.invalid/software/corvane/script.txt HTTP/1.1")));
    QCOMPARE(m_boxes.size(), 1);
}

void TestDownloadIndex::startUpDownloadsIndex()
{
    const quint16 port = BuiltInServerPort();
    if (!port)
        QSKIP("the program is built for a server elsewhere");
    QTemporaryDir root;
    QVERIFY(WriteFile(root.filePath(QStringLiteral("software/corvane/script.txt")), "a.faq=Proxy]"));
    QProcess server;
    server.start(QStandardPaths::findExecutable(QStringLiteral("python3")),
                 {testsupport::SupportDir() + QStringLiteral("/test_server.py"), QStringLiteral("--root"), root.path(),
                  QStringLiteral("--port"), QString::number(port)});
    if (!server.waitForReadyRead(15000) || server.readLine().trimmed().toUInt() != port)
        QSKIP("the server's port is in use");
    QTemporaryDir appDir;
    Form1 *f = StartUpIn(appDir);

    QCOMPARE(Module1::IndexFile, appDir.filePath(QStringLiteral("script.dat")));
    QCOMPARE(FileBytes(Module1::IndexFile), QByteArray("a.faq=Proxy]\r\n"));
    // (The news document is not served; its failure is the news panel's.)
    for (const platform::MsgBoxCall &box : m_boxes)
        QVERIFY2(!box.text.endsWith(kSuffix), qPrintable(box.text));
    delete f;
    server.terminate();
    server.waitForFinished(5000);
}

void TestDownloadIndex::startUpGoesOnAfterFailure()
{
    const quint16 port = BuiltInServerPort();
    if (!port)
        QSKIP("the program is built for a server elsewhere");
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, port);
    if (probe.waitForConnected(2000))
        QSKIP("something answers on the server's port");
    QTemporaryDir appDir;
    Form1 *f = StartUpIn(appDir);

    bool reported = false;
    for (const platform::MsgBoxCall &box : m_boxes)
        reported = reported || (box.text.startsWith(kPrefix) && box.text.endsWith(kSuffix) && box.style == 16);
    QVERIFY(reported);
    QCOMPARE(FileBytes(Module1::IndexFile), QByteArray());
    f->show();
    QVERIFY(f->isVisible());
    delete f;
}

QTEST_MAIN(TestDownloadIndex)
#include "test_download_index.moc"
