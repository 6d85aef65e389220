#include "transfer/ApplyProxy.h"
#include "transfer/Channels.h"
#include "transfer/ProxyText.h"
#include "transfer/TransferChannel.h"

#include <QTest>

using namespace veldra;
using namespace veldra::transfer;

Q_DECLARE_METATYPE(veldra::transfer::AccessType)

class TestApplyProxy : public QObject
{
    Q_OBJECT
private slots:
    void applyProxy_data();
    void applyProxy();
    void waitOnIdleChannelRewritesFtp();
    void proxyText_data();
    void proxyText();
};

void TestApplyProxy::applyProxy_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("port");
    QTest::addColumn<AccessType>("mode");
    QTest::addColumn<QString>("proxyText");

    const QString untouched = QStringLiteral("before:1");
    QTest::newRow("host and port") << "proxy"
                                   << "81" << AccessType::NamedProxy << "proxy:81";
    QTest::newRow("port zero") << "proxy"
                               << "0" << AccessType::Default << untouched;
    QTest::newRow("empty port") << "proxy"
                                << "" << AccessType::NamedProxy << "proxy:0";
    QTest::newRow("empty host") << ""
                                << "81" << AccessType::NamedProxy << ":81";
    QTest::newRow("both empty") << ""
                                << "" << AccessType::Default << untouched;
    QTest::newRow("empty host, port zero") << ""
                                           << "0" << AccessType::Default << untouched;
    QTest::newRow("double zero") << "proxy"
                                 << "00" << AccessType::NamedProxy << "proxy:0";
    QTest::newRow("blank then zero") << "proxy"
                                     << " 0" << AccessType::NamedProxy << "proxy:0";
    QTest::newRow("leading zero") << "proxy"
                                  << "081" << AccessType::NamedProxy << "proxy:81";
    QTest::newRow("trailing letters") << "proxy"
                                      << "81abc" << AccessType::NamedProxy << "proxy:81";
    QTest::newRow("letters") << "proxy"
                             << "abc" << AccessType::NamedProxy << "proxy:0";
    QTest::newRow("host kept as given") << " proxy "
                                        << "8080" << AccessType::NamedProxy << " proxy :8080";
}

void TestApplyProxy::applyProxy()
{
    QFETCH(QString, host);
    QFETCH(QString, port);
    QFETCH(AccessType, mode);
    QFETCH(QString, proxyText);

    TransferChannel channel(QStringLiteral("HTTP"));
    channel.setAccessType(AccessType::NamedProxy);
    channel.setProxy(QStringLiteral("before:1"));
    ApplyProxy(channel, host, port);
    QCOMPARE(channel.accessType(), mode);
    QCOMPARE(channel.proxy(), proxyText);
}

void TestApplyProxy::waitOnIdleChannelRewritesFtp()
{
    ProxyValues proxies;
    Channels net;
    TransferChannel &http = net.HTTP();
    TransferChannel &ftp = net.FTP();
    QVERIFY(!http.StillExecuting());

    // Waiting on HTTP hands the FTP proxy values to the FTP channel.
    proxies.ftpHost = QStringLiteral("ftpproxy");
    proxies.ftpPort = QStringLiteral("021");
    net.WaitForTransfer(http, proxies);
    QCOMPARE(ftp.accessType(), AccessType::NamedProxy);
    QCOMPARE(ftp.proxy(), QStringLiteral("ftpproxy:21"));
    QCOMPARE(http.accessType(), AccessType::Default);
    QCOMPARE(http.proxy(), QString());

    // Port "0" switches it back and leaves the proxy text as it was.
    proxies.ftpPort = QStringLiteral("0");
    net.WaitForTransfer(ftp, proxies);
    QCOMPARE(ftp.accessType(), AccessType::Default);
    QCOMPARE(ftp.proxy(), QStringLiteral("ftpproxy:21"));
}

void TestApplyProxy::proxyText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("problem");

    QTest::newRow("name") << "proxy:81" << true << "proxy" << 81 << "";
    QTest::newRow("address") << "127.0.0.1:3128" << true << "127.0.0.1" << 3128 << "";
    QTest::newRow("highest port") << "proxy:65535" << true << "proxy" << 65535 << "";
    QTest::newRow("bracketed IPv6") << "[::1]:8080" << true << "::1" << 8080 << "";
    QTest::newRow("no host") << ":81" << false << "" << 0 << "no proxy server is named";
    QTest::newRow("blank host") << "  :81" << false << "" << 0 << "no proxy server is named";
    QTest::newRow("port zero") << "proxy:0" << false << "" << 0 << "1 to 65535";
    QTest::newRow("port too high") << "proxy:65536" << false << "" << 0 << "1 to 65535";
    QTest::newRow("fraction") << "proxy:80.5" << false << "" << 0 << "1 to 65535";
    QTest::newRow("negative") << "proxy:-81" << false << "" << 0 << "1 to 65535";
    QTest::newRow("huge") << "proxy:100000000000000000000" << false << "" << 0 << "1 to 65535";
    QTest::newRow("no port") << "proxy" << false << "" << 0 << "1 to 65535";
}

void TestApplyProxy::proxyText()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QString, host);
    QFETCH(int, port);
    QFETCH(QString, problem);

    const Result<ProxyAddress> proxy = ParseProxyText(text);
    QCOMPARE(proxy.ok(), valid);
    if (valid) {
        QCOMPARE(proxy->host, host);
        QCOMPARE(int(proxy->port), port);
    } else {
        QVERIFY2(proxy.error().contains(problem), qPrintable(proxy.error()));
        QVERIFY2(proxy.error().contains(text), qPrintable(proxy.error()));
    }
}

QTEST_GUILESS_MAIN(TestApplyProxy)
#include "test_applyproxy.moc"
