#include "support/Files.h"
#include "support/TestServer.h"
#include "transfer/Download.h"
#include "transfer/TransferChannel.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace veldra;
using namespace veldra::transfer;
using testsupport::TestServer;
using testsupport::WriteFile;

namespace
{
QByteArray FileBytes(const QString &path)
{
    return QFile::exists(path) ? testsupport::ReadFile(path) : QByteArray("<none>");
}
} // namespace

class TestDownload : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void writesWholeDocument_data();
    void writesWholeDocument();
    void failureLeavesEmptiedFile();
    void safeDownloadKeepsEarlierCopyOnFailure();
    void unwritableTarget();

private:
    TestServer m_server;
    QTemporaryDir m_dir;
};

void TestDownload::initTestCase()
{
    qunsetenv("http_proxy");
    QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
    // Windows-1252 text without a final line end, and bytes no text survives.
    QVERIFY(m_server.putFile(QStringLiteral("doc.txt"), QByteArray("caf\xe9\r\nend")));
    QVERIFY(m_server.putFile(QStringLiteral("news.rtf"), QByteArray("{\\rtf1 \x93quoted\x94}\r\n\0\xff", 25)));
}

void TestDownload::writesWholeDocument_data()
{
    QTest::addColumn<bool>("safely");
    QTest::addColumn<int>("as");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("expected");
    for (bool safely : {false, true}) {
        const char *how = safely ? "safely, " : "";
        QTest::addRow("%stext", how) << safely << int(FetchAs::TextWithCrLf) << "/doc.txt"
                                     << QByteArray("caf\xe9\r\nend\r\n");
        QTest::addRow("%sbytes", how) << safely << int(FetchAs::Bytes) << "/news.rtf"
                                      << QByteArray("{\\rtf1 \x93quoted\x94}\r\n\0\xff", 25);
        QTest::addRow("%sempty text", how)
            << safely << int(FetchAs::TextWithCrLf) << "/_test/empty" << QByteArray("\r\n");
    }
}

void TestDownload::writesWholeDocument()
{
    QFETCH(bool, safely);
    QFETCH(int, as);
    QFETCH(QString, path);
    QFETCH(QByteArray, expected);
    const QString target = m_dir.filePath(QStringLiteral("target"));
    QVERIFY(WriteFile(target, QByteArray(100, 'o')));
    TransferChannel channel(QStringLiteral("HTTP"));
    const auto fn = safely ? DownloadToFileSafely : DownloadToFile;
    const Status saved = fn(channel, m_server.url(path), target, FetchAs(as));
    QVERIFY2(saved.ok(), qPrintable(saved.error()));
    QCOMPARE(FileBytes(target), expected);
}

void TestDownload::failureLeavesEmptiedFile()
{
    // The file is opened (emptied) before the fetch, as every download does.
    const QString target = m_dir.filePath(QStringLiteral("index"));
    QVERIFY(WriteFile(target, "old index"));
    TransferChannel channel(QStringLiteral("HTTP"));
    const Status saved =
        DownloadToFile(channel, m_server.url(QStringLiteral("/_test/status/404")), target, FetchAs::TextWithCrLf);
    QCOMPARE(saved.error(), QStringLiteral("HTTP 404 Not Found"));
    QCOMPARE(FileBytes(target), QByteArray());
}

void TestDownload::safeDownloadKeepsEarlierCopyOnFailure()
{
    const QString target = m_dir.filePath(QStringLiteral("doc.faq"));
    QVERIFY(WriteFile(target, "earlier copy"));
    TransferChannel channel(QStringLiteral("HTTP"));
    for (const char *path : {"/_test/status/500", "/_test/truncated", "/_test/close"}) {
        const Status saved =
            DownloadToFileSafely(channel, m_server.url(QLatin1String(path)), target, FetchAs::TextWithCrLf);
        QVERIFY(!saved.ok());
        QVERIFY(!saved.error().isEmpty());
        QCOMPARE(FileBytes(target), QByteArray("earlier copy"));
    }
}

void TestDownload::unwritableTarget()
{
    const QString target = m_dir.filePath(QStringLiteral("no-such-folder/doc.txt"));
    TransferChannel channel(QStringLiteral("HTTP"));
    for (const auto fn : {DownloadToFile, DownloadToFileSafely}) {
        const Status saved = fn(channel, m_server.url(QStringLiteral("/doc.txt")), target, FetchAs::Bytes);
        QVERIFY2(saved.error().startsWith(QStringLiteral("Cannot write ") + target), qPrintable(saved.error()));
    }
}

QTEST_GUILESS_MAIN(TestDownload)
#include "test_download.moc"
