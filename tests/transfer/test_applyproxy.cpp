#include "settings/Module1.h"
#include "transfer/ApplyProxy.h"
#include "transfer/ProxyText.h"
#include "transfer/TransferChannel.h"

#include <QTest>

class TestApplyProxy : public QObject
{
    Q_OBJECT
private slots:
    void applyProxy_data();
    void applyProxy();
    void waitOnIdleChannelRewritesFtp();
    void waitWithoutFtpChannel();
    void proxyText_data();
    void proxyText();
};

void TestApplyProxy::applyProxy_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("port");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("proxyText");

    const QString untouched = QStringLiteral("before:1");
    QTest::newRow("host and port") << "proxy"
                                   << "81" << 2 << "proxy:81";
    QTest::newRow("port zero") << "proxy"
                               << "0" << 0 << untouched;
    QTest::newRow("empty port") << "proxy"
                                << "" << 2 << "proxy:0";
    QTest::newRow("empty host") << ""
                                << "81" << 2 << ":81";
    QTest::newRow("both empty") << ""
                                << "" << 0 << untouched;
    QTest::newRow("empty host, port zero") << ""
                                           << "0" << 0 << untouched;
    QTest::newRow("double zero") << "proxy"
                                 << "00" << 2 << "proxy:0";
    QTest::newRow("blank then zero") << "proxy"
                                     << " 0" << 2 << "proxy:0";
    QTest::newRow("leading zero") << "proxy"
                                  << "081" << 2 << "proxy:81";
    QTest::newRow("trailing letters") << "proxy"
                                      << "81abc" << 2 << "proxy:81";
    QTest::newRow("letters") << "proxy"
                             << "abc" << 2 << "proxy:0";
    QTest::newRow("host kept as given") << " proxy "
                                        << "8080" << 2 << " proxy :8080";
}

void TestApplyProxy::applyProxy()
{
    QFETCH(QString, host);
    QFETCH(QString, port);
    QFETCH(int, mode);
    QFETCH(QString, proxyText);

    TransferChannel channel(QStringLiteral("HTTP"));
    channel.setAccessType(TransferChannel::NamedProxy);
    channel.setProxy(QStringLiteral("before:1"));
    ApplyProxy(channel, host, port);
    QCOMPARE(channel.accessType(), mode);
    QCOMPARE(channel.proxy(), proxyText);
}

void TestApplyProxy::waitOnIdleChannelRewritesFtp()
{
    TransferChannel http(QStringLiteral("HTTP"));
    TransferChannel ftp(QStringLiteral("FTP"));
    SetFtpChannel(&ftp);
    QVERIFY(!http.StillExecuting());

    // Waiting on HTTP hands the FTP proxy values to the FTP channel.
    Module1::FtpProxy = QStringLiteral("ftpproxy");
    Module1::FtpProxyPort = QStringLiteral("021");
    WaitForTransfer(http);
    QCOMPARE(ftp.accessType(), int(TransferChannel::NamedProxy));
    QCOMPARE(ftp.proxy(), QStringLiteral("ftpproxy:21"));
    QCOMPARE(http.accessType(), int(TransferChannel::DefaultAccess));
    QCOMPARE(http.proxy(), QString());

    // Port "0" switches it back and leaves the proxy text as it was.
    Module1::FtpProxyPort = QStringLiteral("0");
    WaitForTransfer(ftp);
    QCOMPARE(ftp.accessType(), int(TransferChannel::DefaultAccess));
    QCOMPARE(ftp.proxy(), QStringLiteral("ftpproxy:21"));
    SetFtpChannel(nullptr);
}

void TestApplyProxy::waitWithoutFtpChannel()
{
    // The FTP channel goes with the main window; a wait after that is harmless.
    auto *ftp = new TransferChannel(QStringLiteral("FTP"));
    SetFtpChannel(ftp);
    delete ftp;
    QCOMPARE(FtpChannel(), nullptr);
    TransferChannel http(QStringLiteral("HTTP"));
    WaitForTransfer(http);
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

    QNetworkProxy proxy;
    QString error;
    QCOMPARE(ParseProxyText(text, &proxy, &error), valid);
    if (valid) {
        QCOMPARE(proxy.type(), QNetworkProxy::HttpProxy);
        QCOMPARE(proxy.hostName(), host);
        QCOMPARE(int(proxy.port()), port);
    } else {
        QVERIFY2(error.contains(problem), qPrintable(error));
        QVERIFY2(error.contains(text), qPrintable(error));
    }
}

QTEST_GUILESS_MAIN(TestApplyProxy)
#include "test_applyproxy.moc"
