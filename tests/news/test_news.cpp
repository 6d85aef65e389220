#include "news/GetNews.h"
#include "platform/Connectivity.h"
#include "platform/MessageBox.h"
#include "platform/RichTextBox.h"
#include "settings/Module1.h"
#include "shell/Form2.h"
#include "support/TestServer.h"
#include "transfer/TransferChannel.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

// The news download against a real server on loopback.
class TestNews : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void rtfNewsIsStoredByteForByteAndShownFormatted();
    void emptyOrBlankNewsSaysSo_data();
    void emptyOrBlankNewsSaysSo();
    void failuresAreReportedInThePanel_data();
    void failuresAreReportedInThePanel();
    void offlineShowsTheOfflineTextOnly();
    void loopbackServerCountsAsConnected();

private:
    QString newsPath() const { return Module1::AppDir + QStringLiteral("news.rtf"); }
    testsupport::TestServer server;
    QTemporaryDir appDir;
    QList<platform::MsgBoxCall> boxes;
};

void TestNews::initTestCase()
{
    QVERIFY2(server.start(), qPrintable(server.errorString()));
    Module1::AppName = QStringLiteral("Veldra");
    Module1::AppDir = appDir.path() + QLatin1Char('/');
    Module1::HttpProxy.clear();
    Module1::HttpProxyPort = QStringLiteral("0");
    Module1::FtpProxy.clear();
    Module1::FtpProxyPort = QStringLiteral("0");
    platform::SetMsgBoxHook([this](const platform::MsgBoxCall &c) { boxes.append(c); });
}

void TestNews::init()
{
    boxes.clear();
    QFile::remove(newsPath());
    platform::SetConnectivityOverride(1);
}

void TestNews::cleanup()
{
    platform::SetConnectivityOverride(-1);
    QVERIFY(!Form2::Existing());
    QVERIFY(boxes.isEmpty());
}

void TestNews::rtfNewsIsStoredByteForByteAndShownFormatted()
{
    QFile sample(QStringLiteral(VELDRA_SOURCE_DIR "/library/software/corvane/test.rtf"));
    QVERIFY(sample.open(QIODevice::ReadOnly));
    const QByteArray rtf = sample.readAll();
    QVERIFY(server.putFile(QStringLiteral("test.rtf"), rtf));

    TransferChannel channel(QStringLiteral("HTTP"));
    platform::RichTextBox news;
    GetNews(channel, news, server.url(QStringLiteral("/")), nullptr);

    QFile stored(newsPath());
    QVERIFY(stored.open(QIODevice::ReadOnly));
    QCOMPARE(stored.readAll(), rtf);
    QCOMPARE(channel.requestTimeout(), 120);
    const QString text = news.text();
    QVERIFY(!text.isEmpty());
    QVERIFY(!text.contains(QStringLiteral("\\rtf")));
    bool bold = false;
    for (QTextBlock b = news.document()->begin(); b.isValid() && !bold; b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            bold = bold || it.fragment().charFormat().fontWeight() >= QFont::Bold;
    QVERIFY2(bold, "the sample news has bold text; it was shown unformatted");
}

void TestNews::emptyOrBlankNewsSaysSo_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("spaces") << QByteArray("     ");
    QTest::newRow("blank rtf") << QByteArray("{\\rtf1\\ansi {\\fonttbl{\\f0 Arial;}} \\par   \\par }");
}

void TestNews::emptyOrBlankNewsSaysSo()
{
    QFETCH(QByteArray, document);
    QVERIFY(server.putFile(QStringLiteral("test.rtf"), document));
    TransferChannel channel(QStringLiteral("HTTP"));
    platform::RichTextBox news;
    GetNews(channel, news, server.url(QStringLiteral("/")), nullptr);
    QCOMPARE(news.text(), QStringLiteral("Could not retrieve news, please check you proxy settings!"));
    QFile stored(newsPath());
    QVERIFY(stored.open(QIODevice::ReadOnly));
    QCOMPARE(stored.readAll(), document);
}

void TestNews::failuresAreReportedInThePanel_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("detail");
    QTest::newRow("404") << server.url(QStringLiteral("/missing/")) << QStringLiteral("404");
    QTest::newRow("refused") << QStringLiteral("http://127.0.0.1:1/software/corvane/") << QString();
}

void TestNews::failuresAreReportedInThePanel()
{
    QFETCH(QString, base);
    QFETCH(QString, detail);
    TransferChannel channel(QStringLiteral("HTTP"));
    platform::RichTextBox news;
    news.setText(QStringLiteral("old"));
    GetNews(channel, news, base, nullptr);
    const QString text = news.text();
    QVERIFY2(text.startsWith(QStringLiteral("Unable to receive news: ")), qPrintable(text));
    QVERIFY(text.size() > QStringLiteral("Unable to receive news: ").size());
    QVERIFY(text.contains(detail));
    QVERIFY(!QFile::exists(newsPath()));
}

void TestNews::offlineShowsTheOfflineTextOnly()
{
    platform::SetConnectivityOverride(0);
    QVERIFY(server.putFile(QStringLiteral("test.rtf"), QByteArray("{\\rtf1 x}")));
    const int before = server.requests().size();
    TransferChannel channel(QStringLiteral("HTTP"));
    platform::RichTextBox news;
    GetNews(channel, news, server.url(QStringLiteral("/")), nullptr);
    QCOMPARE(news.text(), QStringLiteral("No news to show , because you are offline.\r\n"
                                         "Select 'Get News' in the 'On-line' menu if you are online."));
    QVERIFY(!QFile::exists(newsPath()));
    QCOMPARE(server.requests().size(), before);
    QCOMPARE(channel.requestTimeout(), 60); // nothing was set up for a download
}

void TestNews::loopbackServerCountsAsConnected()
{
    platform::SetConnectivityOverride(-1);
    for (const char *host : {"127.0.0.1:8471", "localhost", "[::1]:80", "127.1.2.3"})
        QVERIFY2(platform::IsConnected(QLatin1String(host)), host);
}

QTEST_MAIN(TestNews)
#include "test_news.moc"
