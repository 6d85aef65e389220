// HTTPS against the loopback test server with certificates made for the run:
// verification and its failures in plain words, redirects between http and
// https, and https through proxies (CONNECT, the environment, SOCKS5).
#include "support/OpenURL.h"
#include "support/TestServer.h"
#include "support/TinyProxy.h"
#include "transfer/ApplyProxy.h"
#include "transfer/TransferChannel.h"

#include <QSignalSpy>
#include <QTest>

using namespace veldra;
using namespace veldra::transfer;
using testsupport::TestCertificates;
using testsupport::TestServer;
using testsupport::TinyProxy;

Q_DECLARE_METATYPE(veldra::transfer::TransferState)

namespace
{

Result<QString> Get(TransferChannel &channel, const QString &url)
{
    return testsupport::OpenURL(channel, url);
}

// Sets an environment variable for the life of the object.
class ScopedEnv
{
public:
    ScopedEnv(const char *name, const QByteArray &value)
        : m_name(name)
    {
        qputenv(name, value);
    }
    ~ScopedEnv() { qunsetenv(m_name); }
    ScopedEnv(const ScopedEnv &) = delete;
    ScopedEnv &operator=(const ScopedEnv &) = delete;

private:
    const char *m_name;
};

} // namespace

class TestHttps : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void fetchesOverVerifiedTls();
    void certificateProblems_data();
    void certificateProblems();
    void unreadableBundle();
    void redirectsBetweenHttpAndHttps();
    void throughNamedProxyWithConnect();
    void proxiesFromTheEnvironment();
    void proxyWantsCredentialsForATunnel();
    void offersHttp2();

private:
    TestCertificates m_certs;
    TestServer m_https;
    TestServer m_http;
};

void TestHttps::initTestCase()
{
    qRegisterMetaType<TransferState>();
    QVERIFY2(m_certs.make(), qPrintable(m_certs.errorString()));
    m_https.useTls(m_certs, QStringLiteral("valid"));
    for (TestServer *server : {&m_https, &m_http}) {
        QVERIFY(server->putFile(QStringLiteral("doc.txt"), "secure text"));
        QVERIFY2(server->start(), qPrintable(server->errorString()));
    }
}

void TestHttps::init()
{
    for (const char *name :
         {"http_proxy", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY", "no_proxy", "NO_PROXY", "SSL_CERT_DIR"})
        qunsetenv(name);
    qputenv("SSL_CERT_FILE", QFile::encodeName(m_certs.authority()));
}

void TestHttps::fetchesOverVerifiedTls()
{
    TransferChannel channel(QStringLiteral("HTTP"));
    const Result<QString> got = Get(channel, m_https.url(QStringLiteral("/doc.txt")));
    QVERIFY2(got.ok(), qPrintable(got.error()));
    QCOMPARE(got.value(), QStringLiteral("secure text"));
}

void TestHttps::certificateProblems_data()
{
    QTest::addColumn<QString>("certificate");
    QTest::addColumn<bool>("trustTheAuthority");
    QTest::addColumn<QString>("problem");
    QTest::newRow("self-signed") << "selfsigned" << true << "its certificate is self-signed, and not trusted";
    QTest::newRow("expired") << "expired" << true << "its certificate has expired";
    QTest::newRow("for another host") << "otherhost" << true << "its certificate is for another host than 127.0.0.1";
    QTest::newRow("unknown authority") << "valid" << false
                                       << "its certificate was issued by an authority that is not trusted";
}

void TestHttps::certificateProblems()
{
    QFETCH(QString, certificate);
    QFETCH(bool, trustTheAuthority);
    QFETCH(QString, problem);
    TestServer server;
    server.useTls(m_certs, certificate);
    QVERIFY(server.putFile(QStringLiteral("doc.txt"), "must not arrive"));
    QVERIFY2(server.start(), qPrintable(server.errorString()));
    if (!trustTheAuthority)
        qunsetenv("SSL_CERT_FILE");

    TransferChannel channel(QStringLiteral("HTTP"));
    QSignalSpy states(&channel, &TransferChannel::StateChanged);
    qint64 received = 0;
    const Status fetched = channel.Fetch(
        server.url(QStringLiteral("/doc.txt")),
        [&received](QByteArrayView piece) {
            received += piece.size();
            return Status();
        },
        DownloadLimit{});
    QCOMPARE(fetched.error(),
             QStringLiteral("The server 127.0.0.1:%1 could not be verified: ").arg(server.port()) + problem);
    QCOMPARE(received, 0);
    QCOMPARE(states.count(), 2); // Requesting, then Error
    QCOMPARE(states.last().at(0).value<TransferState>(), TransferState::Error);
    QVERIFY(server.requests().isEmpty());
}

void TestHttps::unreadableBundle()
{
    qputenv("SSL_CERT_FILE", "/nonexistent/ca.pem");
    TransferChannel channel(QStringLiteral("HTTP"));
    QCOMPARE(Get(channel, m_https.url(QStringLiteral("/doc.txt"))).error(),
             QStringLiteral("The certificate authorities in /nonexistent/ca.pem (SSL_CERT_FILE) cannot be read"));
}

void TestHttps::redirectsBetweenHttpAndHttps()
{
    TransferChannel channel(QStringLiteral("HTTP"));
    const QString secure = m_https.url(QStringLiteral("/doc.txt"));
    const Result<QString> up = Get(channel, m_http.url(QStringLiteral("/_test/location?to=")) + secure);
    QVERIFY2(up.ok(), qPrintable(up.error()));
    QCOMPARE(up.value(), QStringLiteral("secure text"));

    const QString plain = m_http.url(QStringLiteral("/doc.txt"));
    const qsizetype before = m_http.requests().size();
    const Result<QString> down = Get(channel, m_https.url(QStringLiteral("/_test/location?to=")) + plain);
    QCOMPARE(down.error(), QStringLiteral("Redirect to %1 refused: a secure https address is never left for a "
                                          "plain http one")
                               .arg(plain));
    QCOMPARE(m_http.requests().size(), before);
}

void TestHttps::throughNamedProxyWithConnect()
{
    TinyProxy proxy;
    QVERIFY2(proxy.start(), qPrintable(proxy.errorString()));
    TransferChannel channel(QStringLiteral("HTTP"));
    ApplyProxy(channel, QStringLiteral("127.0.0.1"), QString::number(proxy.port()));
    const Result<QString> got = Get(channel, m_https.url(QStringLiteral("/doc.txt")));
    QVERIFY2(got.ok(), qPrintable(got.error()));
    QCOMPARE(got.value(), QStringLiteral("secure text"));
    QVERIFY2(proxy.log().contains(QStringLiteral("CONNECT 127.0.0.1:%1").arg(m_https.port())), qPrintable(proxy.log()));
}

void TestHttps::proxiesFromTheEnvironment()
{
    TransferChannel channel(QStringLiteral("HTTP"));
    // Access mode 0 with an empty proxy text: the environment decides.
    channel.setProxy(QString());
    TinyProxy proxy;
    QVERIFY2(proxy.start(), qPrintable(proxy.errorString()));
    {
        const ScopedEnv https("https_proxy", QByteArray("http://127.0.0.1:") + QByteArray::number(proxy.port()));
        const Result<QString> got = Get(channel, m_https.url(QStringLiteral("/doc.txt")));
        QVERIFY2(got.ok(), qPrintable(got.error()));
        QVERIFY2(proxy.log().contains(QStringLiteral("CONNECT 127.0.0.1:%1").arg(m_https.port())),
                 qPrintable(proxy.log()));
    }
    // socks5h: the proxy is given the host name and resolves it itself.
    TestServer socks;
    socks.useSocks5();
    QVERIFY2(socks.start(), qPrintable(socks.errorString()));
    {
        const ScopedEnv all("all_proxy", QByteArray("socks5h://127.0.0.1:") + QByteArray::number(socks.port()));
        const QString url = QStringLiteral("https://localhost:%1/doc.txt").arg(m_https.port());
        const Result<QString> got = Get(channel, url);
        QVERIFY2(got.ok(), qPrintable(got.error()));
        QCOMPARE(socks.requests(), QStringList{QStringLiteral("SOCKS5 CONNECT localhost:%1").arg(m_https.port())});
        // no_proxy exempts a host.
        const ScopedEnv none("no_proxy", "localhost");
        QVERIFY(Get(channel, url).ok());
        QCOMPARE(socks.requests().size(), 1);
    }
}

void TestHttps::proxyWantsCredentialsForATunnel()
{
    TinyProxy guarded(QStringLiteral("user"), QStringLiteral("secret"));
    QVERIFY2(guarded.start(), qPrintable(guarded.errorString()));
    TransferChannel channel(QStringLiteral("HTTP"));
    ApplyProxy(channel, QStringLiteral("127.0.0.1"), QString::number(guarded.port()));
    QCOMPARE(Get(channel, m_https.url(QStringLiteral("/doc.txt"))).error(),
             QStringLiteral("The proxy server 127.0.0.1:%1 requires a user name and password (HTTP 407)")
                 .arg(guarded.port()));
}

void TestHttps::offersHttp2()
{
    // The probe chooses HTTP/2 when the client offers it, notes it and hangs up.
    TestServer probe;
    probe.useTls(m_certs, QStringLiteral("valid"), true);
    QVERIFY2(probe.start(), qPrintable(probe.errorString()));
    TransferChannel channel(QStringLiteral("HTTP"));
    QVERIFY(!Get(channel, probe.url(QStringLiteral("/doc.txt"))).ok());
    QCOMPARE(probe.requests().value(0), QStringLiteral("ALPN h2"));
}

QTEST_GUILESS_MAIN(TestHttps)
#include "test_https.moc"
