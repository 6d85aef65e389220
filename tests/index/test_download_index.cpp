// The index download against a real loopback server, on its own and as the
// start-up runs it.
#include "index/DownloadIndex.h"
#include "index/IndexSearch.h"
#include "settings/Module1.h"
#include "support/Files.h"
#include "support/MainWindow.h"
#include "support/Recorders.h"
#include "support/TestServer.h"
#include "transfer/Channels.h"

#include <QDir>
#include <QFileInfo>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

using namespace veldra;
using testsupport::TestServer;
using testsupport::WriteFile;

namespace
{

const QString kPrefix = QStringLiteral("Error while connecting to server using HTTP protocol: ");
const QString kSuffix = QStringLiteral("\r\nPlease check your proxy settings...");

QByteArray FileBytes(const QString &path)
{
    return QFile::exists(path) ? testsupport::ReadFile(path) : QByteArray("<none>");
}

// A port nothing listens on.
quint16 ClosedPort()
{
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost);
    const quint16 port = closed.serverPort();
    closed.close();
    return port;
}

} // namespace

class TestDownloadIndex : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void savesTextAndLineEnd_data();
    void savesTextAndLineEnd();
    void barFollowsTheBytes();
    void failureIsReported_data();
    void failureIsReported();
    void linkAtTheIndexIsNotFollowed();
    void usesTheHttpProxy();
    void startUpDownloadsIndex();
    void startUpGoesOnAfterFailure();

private:
    QTemporaryDir m_dir;
    TestServer m_server;
    settings::Module1 m_state;
};

void TestDownloadIndex::initTestCase()
{
    for (const char *name : {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"})
        qunsetenv(name);
    QVERIFY(m_dir.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(QStringLiteral("config"))));
    QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
}

void TestDownloadIndex::init()
{
    m_state = settings::Module1(QString(), m_server.url(QStringLiteral("/software/corvane/")));
    m_state.AppName = QStringLiteral("Veldra");
    m_state.HttpProxyPort = QStringLiteral("0");
    m_state.IndexFile = m_dir.filePath(QStringLiteral("script.dat"));
    QFile::remove(m_state.IndexFile);
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
    QVERIFY(m_server.putFile(QStringLiteral("software/corvane/script.txt"), served));
    testsupport::RecordingProgress progress;
    transfer::Channels net;

    const Status downloaded = index::DownloadIndex(net, m_state, progress);

    QVERIFY2(downloaded.ok(), qPrintable(downloaded.error()));
    QCOMPARE(FileBytes(m_state.IndexFile), served + "\r\n");
    // The bar moves back from 75 to 50 when the download starts; the window
    // stays open for the rest of the start-up.
    QCOMPARE(progress.calls, (QStringList{QStringLiteral("value 75"), QStringLiteral("status Downloading script..."),
                                          QStringLiteral("value 50"), QStringLiteral("value 99"),
                                          QStringLiteral("status Loading..."), QStringLiteral("value 100")}));
    QVERIFY(m_server.requests().contains(QStringLiteral("GET /software/corvane/script.txt HTTP/1.1")));
    QTEST(int(index::SearchIndexFile(m_state.IndexFile, u".FAQ", 500).size()), "records");
}

void TestDownloadIndex::barFollowsTheBytes()
{
    // Half the index, a pause, the rest: the bar stands half-way between 50
    // and 99 meanwhile, and every report reaches the display.
    struct Bytes : testsupport::RecordingProgress {
        void bytesReceived(qint64 received, qint64 total) override
        {
            calls.append(QStringLiteral("bytes %1/%2").arg(received).arg(total));
        }
    } progress;
    QVERIFY(m_server.putFile(QStringLiteral("software/corvane/script.txt"), QByteArray(100000, 'x')));
    m_state.ServerUrl = m_server.url(QStringLiteral("/_test/halves/software/corvane/"));
    transfer::Channels net;
    const Status downloaded = index::DownloadIndex(net, m_state, progress);
    QVERIFY2(downloaded.ok(), qPrintable(downloaded.error()));
    const qsizetype half = progress.calls.indexOf(QStringLiteral("bytes 50000/100000"));
    QVERIFY2(half > 0, qPrintable(progress.calls.join(u',')));
    QCOMPARE(progress.calls.at(half + 1), QStringLiteral("value 74"));
    QCOMPARE(progress.calls.mid(progress.calls.indexOf(QStringLiteral("bytes 100000/100000"))),
             (QStringList{QStringLiteral("bytes 100000/100000"), QStringLiteral("value 99"),
                          QStringLiteral("status Loading..."), QStringLiteral("value 100")}));
}

void TestDownloadIndex::failureIsReported_data()
{
    QTest::addColumn<QString>("baseUrl");
    QTest::newRow("refused") << QStringLiteral("http://127.0.0.1:%1/software/corvane/").arg(ClosedPort());
    QTest::newRow("not on the server") << m_server.url(QStringLiteral("/elsewhere/"));
    QTest::newRow("server error") << m_server.url(QStringLiteral("/_test/status/500/"));
    QTest::newRow("invalid chunk size") << m_server.url(QStringLiteral("/_test/badchunk/"));
    QTest::newRow("no content") << m_server.url(QStringLiteral("/_test/status/204/"));
    QTest::newRow("not modified") << m_server.url(QStringLiteral("/_test/status/304/"));
    QTest::newRow("endless") << m_server.url(QStringLiteral("/_test/endless/"));
}

void TestDownloadIndex::failureIsReported()
{
    QFETCH(QString, baseUrl);
    m_state.ServerUrl = baseUrl;
    m_state.Limits.index.maxBytes = 3 * 1024 * 1024;
    QVERIFY(WriteFile(m_state.IndexFile, "from an earlier run"));
    testsupport::RecordingProgress progress;
    transfer::Channels net;

    const Status downloaded = index::DownloadIndex(net, m_state, progress);

    QVERIFY(!downloaded.ok());
    QVERIFY(!downloaded.error().isEmpty()); // the failure's description
    if (baseUrl.contains(QLatin1String("endless")))
        QCOMPARE(downloaded.error(), QStringLiteral("The document exceeds the size limit of 3 MiB"));
    // The steps after the fetch are skipped; the file was emptied before it.
    QCOMPARE(progress.calls.last(), QStringLiteral("value 50"));
    QCOMPARE(FileBytes(m_state.IndexFile), QByteArray());
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("*.tmp")}, QDir::Files | QDir::Hidden), QStringList());
}

void TestDownloadIndex::linkAtTheIndexIsNotFollowed()
{
    // A link planted at the index's name is replaced, not written through.
    const QString outside = m_dir.filePath(QStringLiteral("outside.txt"));
    QVERIFY(WriteFile(outside, "keep me"));
    QVERIFY(QFile::link(outside, m_state.IndexFile));
    QVERIFY(m_server.putFile(QStringLiteral("software/corvane/script.txt"), "a.faq=Proxy]"));
    testsupport::RecordingProgress progress;
    transfer::Channels net;
    const Status downloaded = index::DownloadIndex(net, m_state, progress);
    QVERIFY2(downloaded.ok(), qPrintable(downloaded.error()));
    QVERIFY(!QFileInfo(m_state.IndexFile).isSymLink());
    QCOMPARE(FileBytes(m_state.IndexFile), QByteArray("a.faq=Proxy]\r\n"));
    QCOMPARE(FileBytes(outside), QByteArray("keep me"));
    QFile::remove(outside);
}

void TestDownloadIndex::usesTheHttpProxy()
{
    // The test server stands in for the proxy: it logs the absolute address
    // a proxy is asked for.
    m_state.HttpProxy = QStringLiteral("127.0.0.1");
    m_state.HttpProxyPort = QString::number(m_server.port());
    m_state.ServerUrl = QStringLiteral("http://veldra.invalid/software/corvane/");
    testsupport::RecordingProgress progress;
    transfer::Channels net;
    index::DownloadIndex(net, m_state, progress);
    QVERIFY(
        m_server.requests().contains(QStringLiteral("GET http://veldra.invalid/software/corvane/script.txt HTTP/1.1")));
}

void TestDownloadIndex::startUpDownloadsIndex()
{
    TestServer server;
    QVERIFY(server.putFile(QStringLiteral("software/corvane/script.txt"), "a.faq=Proxy]"));
    QVERIFY2(server.start(), qPrintable(server.errorString()));
    QTemporaryDir appDir;
    testsupport::MainWindow w(appDir.path(), server.url(QStringLiteral("/software/corvane/")));
    w.form->Form_Load();

    QCOMPARE(w.state.IndexFile, appDir.filePath(QStringLiteral("script.dat")));
    QCOMPARE(FileBytes(w.state.IndexFile), QByteArray("a.faq=Proxy]\r\n"));
    // (The news document is not served; its failure is the news panel's.)
    for (const auto &box : w.reporter.boxes)
        QVERIFY2(!box.text.endsWith(kSuffix), qPrintable(box.text));
}

void TestDownloadIndex::startUpGoesOnAfterFailure()
{
    QTemporaryDir appDir;
    testsupport::MainWindow w(appDir.path(), QStringLiteral("http://127.0.0.1:%1/software/corvane/").arg(ClosedPort()));
    w.form->Form_Load();

    // The index's own message, with the failure's description between the
    // fixed lines, after the channel's notice.
    QStringList reported;
    for (const auto &box : w.reporter.boxes)
        if (box.text.startsWith(kPrefix) && box.text.endsWith(kSuffix) && box.style == desktop::MsgBoxStyle::Critical &&
            box.title == QStringLiteral("Veldra - Error"))
            reported << box.text;
    QCOMPARE(reported.size(), 1);
    QVERIFY(reported.first().size() > kPrefix.size() + kSuffix.size());
    QCOMPARE(FileBytes(w.state.IndexFile), QByteArray());
    w.form->show();
    QVERIFY(w.form->isVisible());
}

QTEST_MAIN(TestDownloadIndex)
#include "test_download_index.moc"
