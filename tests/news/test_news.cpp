#include "news/Connectivity.h"
#include "news/GetNews.h"
#include "richtext/RichTextBox.h"
#include "settings/Module1.h"
#include "shell/NewsPanel.h"
#include "support/Recorders.h"
#include "support/TestServer.h"
#include "transfer/Channels.h"
#include "transfer/TransferChannel.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

using namespace veldra;

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
    QString newsPath() const { return state.AppDir + QStringLiteral("news.rtf"); }
    // GetNews from the library folder `base`, into `news`; what it says it left
    // there is in `outcome`.
    void getNews(richtext::RichTextBox &news, const QString &base);
    news::NewsOutcome outcome = news::NewsOutcome::Shown;
    testsupport::TestServer server;
    QTemporaryDir appDir;
    settings::Module1 state;
    transfer::Channels *net = nullptr;
    testsupport::RecordingProgress progress;
};

void TestNews::initTestCase()
{
    QVERIFY2(server.start(), qPrintable(server.errorString()));
    state.AppName = QStringLiteral("Veldra");
    state.AppDir = appDir.path() + QLatin1Char('/');
    state.HttpProxy.clear();
    state.HttpProxyPort = QStringLiteral("0");
    state.FtpProxy.clear();
    state.FtpProxyPort = QStringLiteral("0");
}

void TestNews::init()
{
    QFile::remove(newsPath());
    state.Connected = true;
    net = new transfer::Channels;
    progress.calls.clear();
}

void TestNews::cleanup()
{
    delete net;
}

void TestNews::getNews(richtext::RichTextBox &news, const QString &base)
{
    state.ServerUrl = base;
    outcome = shell::GetNewsInto(news, *net, state, progress);
}

void TestNews::rtfNewsIsStoredByteForByteAndShownFormatted()
{
    QFile sample(QStringLiteral(VELDRA_SOURCE_DIR "/library/software/corvane/test.rtf"));
    QVERIFY(sample.open(QIODevice::ReadOnly));
    const QByteArray rtf = sample.readAll();
    QVERIFY(server.putFile(QStringLiteral("test.rtf"), rtf));

    richtext::RichTextBox news;
    getNews(news, server.url(QStringLiteral("/")));

    QFile stored(newsPath());
    QVERIFY(stored.open(QIODevice::ReadOnly));
    QCOMPARE(stored.readAll(), rtf);
    QCOMPARE(net->HTTP().requestTimeout(), 120);
    QCOMPARE(progress.calls, (QStringList{QStringLiteral("show Please wait...|Download news from server...|1|0"),
                                          QStringLiteral("close")}));
    const QString text = news.text();
    QVERIFY(!text.isEmpty());
    QVERIFY(!text.contains(QStringLiteral("\\rtf")));
    bool bold = false;
    for (QTextBlock b = news.document()->begin(); b.isValid() && !bold; b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            bold = bold || it.fragment().charFormat().fontWeight() >= QFont::Bold;
    QVERIFY2(bold, "the sample news has bold text; it was shown unformatted");
    QCOMPARE(outcome, news::NewsOutcome::Shown);
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
    richtext::RichTextBox news;
    getNews(news, server.url(QStringLiteral("/")));
    QCOMPARE(news.text(), QStringLiteral("Could not retrieve news, please check you proxy settings!"));
    QCOMPARE(outcome, news::NewsOutcome::Blank);
    QFile stored(newsPath());
    QVERIFY(stored.open(QIODevice::ReadOnly));
    QCOMPARE(stored.readAll(), document);
}

void TestNews::failuresAreReportedInThePanel_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("detail");
    QTest::newRow("404") << server.url(QStringLiteral("/missing/")) << QStringLiteral("404");
    QTest::newRow("refused") << QStringLiteral("http://127.0.0.1:1/software/corvane/")
                             << QStringLiteral("Connection refused by 127.0.0.1:1");
    QTest::newRow("invalid chunk size")
        << server.url(QStringLiteral("/_test/badchunk/"))
        << QStringLiteral("The document arrived incomplete: the server sent an invalid chunk size");
    QTest::newRow("no content") << server.url(QStringLiteral("/_test/status/204/"))
                                << QStringLiteral("HTTP 204 No Content");
    QTest::newRow("endless") << server.url(QStringLiteral("/_test/endless/"))
                             << QStringLiteral("The document exceeds the size limit of 2 MiB");
}

void TestNews::failuresAreReportedInThePanel()
{
    QFETCH(QString, base);
    QFETCH(QString, detail);
    richtext::RichTextBox news;
    news.setText(QStringLiteral("old"));
    state.Limits.news.maxBytes = 2 * 1024 * 1024;
    getNews(news, base);
    const QString text = news.text();
    QVERIFY2(text.startsWith(QStringLiteral("Unable to receive news: ")), qPrintable(text));
    QVERIFY2(text.contains(detail), qPrintable(text));
    QCOMPARE(outcome, news::NewsOutcome::Failed);
    QVERIFY(!QFile::exists(newsPath()));
    QCOMPARE(QDir(state.AppDir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    // The window is closed after a failure too.
    QCOMPARE(progress.calls.last(), QStringLiteral("close"));
}

void TestNews::offlineShowsTheOfflineTextOnly()
{
    state.Connected = false;
    QVERIFY(server.putFile(QStringLiteral("test.rtf"), QByteArray("{\\rtf1 x}")));
    const int before = server.requests().size();
    richtext::RichTextBox news;
    getNews(news, server.url(QStringLiteral("/")));
    QCOMPARE(news.text(), QStringLiteral("No news to show , because you are offline.\r\n"
                                         "Select 'Get News' in the 'On-line' menu if you are online."));
    QCOMPARE(outcome, news::NewsOutcome::Offline);
    QVERIFY(!QFile::exists(newsPath()));
    QCOMPARE(server.requests().size(), before);
    QCOMPARE(net->HTTP().requestTimeout(), 60); // nothing was set up for a download
    QVERIFY(progress.calls.isEmpty());          // the window is neither shown nor closed
}

void TestNews::loopbackServerCountsAsConnected()
{
    for (const char *host : {"127.0.0.1:8471", "localhost", "[::1]:80", "127.1.2.3"})
        QVERIFY2(news::IsConnected(QLatin1String(host)), host);
}

QTEST_MAIN(TestNews)
#include "test_news.moc"
