// Downloads into files against the real loopback server: what lands on disk,
// what a failure leaves, that nothing is written through a planted link, and
// that an endless body costs no memory.
#include "support/Files.h"
#include "support/TestServer.h"
#include "text/ReplacementFile.h"
#include "transfer/Download.h"
#include "transfer/TransferChannel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cerrno>

using namespace veldra;
using namespace veldra::transfer;
using testsupport::TestServer;
using testsupport::WriteFile;
using veldra::text::ReplacementFile;
using veldra::text::SystemErrorText;

namespace
{

constexpr qint64 kMiB = 1024 * 1024;

// RTF with bytes no text survives, a NUL among them.
const char kNewsBytes[] = "{\\rtf1 \x93quoted\x94}\r\n\0\xff";
QByteArray NewsBytes()
{
    return QByteArray(kNewsBytes, sizeof kNewsBytes - 1);
}

QByteArray FileBytes(const QString &path)
{
    return QFileInfo::exists(path) ? testsupport::ReadFile(path) : QByteArray("<none>");
}

using DownloadFn = Status (*)(TransferChannel &, const QString &, const QString &, FetchAs,
                              const transfer::DownloadLimit &, transfer::Progress *);

// The safe download with its own choice of sync, as a DownloadFn.
Status Safely(TransferChannel &channel, const QString &url, const QString &path, FetchAs as,
              const transfer::DownloadLimit &limit, transfer::Progress *progress)
{
    return DownloadToFileSafely(channel, url, path, as, limit, progress);
}

// The names in a folder, hidden ones included.
QStringList Entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// The process's peak resident memory in KiB since the last reset.
qint64 PeakRssKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

bool ResetPeakRss()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

// Run as "--download-helper <folder> <url>" inside a private mount of a tiny
// folder: downloads into it and prints the outcome and what the folder holds.
int DownloadHelper(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    TransferChannel channel(QStringLiteral("HTTP"));
    const Status saved = DownloadToFileSafely(channel, QString::fromLocal8Bit(argv[3]),
                                              folder + QStringLiteral("/doc.faq"), FetchAs::Bytes, {16 * kMiB, 60});
    QTextStream(stdout) << "error: " << saved.error() << "\nentries: " << Entries(folder).join(u',') << '\n';
    return 0;
}

} // namespace

class TestDownload : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void writesWholeDocument_data();
    void writesWholeDocument();
    void textKeepsEveryByte();
    void failureLeavesEmptiedFile_data();
    void failureLeavesEmptiedFile();
    void safeDownloadKeepsEarlierCopyOnFailure_data();
    void safeDownloadKeepsEarlierCopyOnFailure();
    void linkAtTheTargetIsReplacedNotFollowed();
    void linkPlantedDuringTheDownloadIsNotReplaced_data();
    void linkPlantedDuringTheDownloadIsNotReplaced();
    void endlessBodyKeepsMemoryFlat();
    void unwritableTarget();
    void fullDiskGivesTheSystemsReason();

private:
    QString target(const QString &name = QStringLiteral("target")) const { return m_app + QLatin1Char('/') + name; }
    TestServer m_server;
    QTemporaryDir m_dir;
    QString m_app;     // the folder downloads go to
    QString m_outside; // a file a link points to
};

void TestDownload::initTestCase()
{
    qunsetenv("http_proxy");
    QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
    // Windows-1252 text without a final line end, and bytes no text survives.
    QVERIFY(m_server.putFile(QStringLiteral("doc.txt"), QByteArray("caf\xe9\r\nend")));
    QVERIFY(m_server.putFile(QStringLiteral("news.rtf"), NewsBytes()));
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    QVERIFY(m_server.putFile(QStringLiteral("all.txt"), all));
}

void TestDownload::init()
{
    m_app = m_dir.filePath(QStringLiteral("app"));
    QDir(m_app).removeRecursively();
    QVERIFY(QDir().mkpath(m_app));
    m_outside = m_dir.filePath(QStringLiteral("outside.txt"));
    QVERIFY(WriteFile(m_outside, "outside, keep me"));
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
        QTest::addRow("%sbytes", how) << safely << int(FetchAs::Bytes) << "/news.rtf" << NewsBytes();
        QTest::addRow("%sempty text", how)
            << safely << int(FetchAs::TextWithCrLf) << "/_test/empty" << QByteArray("\r\n");
        QTest::addRow("%schunked text", how)
            << safely << int(FetchAs::TextWithCrLf) << "/_test/chunked/doc.txt" << QByteArray("caf\xe9\r\nend\r\n");
    }
}

void TestDownload::writesWholeDocument()
{
    QFETCH(bool, safely);
    QFETCH(int, as);
    QFETCH(QString, path);
    QFETCH(QByteArray, expected);
    QVERIFY(WriteFile(target(), QByteArray(100, 'o')));
    TransferChannel channel(QStringLiteral("HTTP"));
    const DownloadFn fn = safely ? Safely : DownloadToFile;
    const Status saved = fn(channel, m_server.url(path), target(), FetchAs(as), {}, nullptr);
    QVERIFY2(saved.ok(), qPrintable(saved.error()));
    QCOMPARE(FileBytes(target()), expected);
    QCOMPARE(Entries(m_app), QStringList{QStringLiteral("target")});
}

void TestDownload::textKeepsEveryByte()
{
    // Text is read and written in the same single-byte code page, so every
    // byte the server sends comes back as it was, in whatever pieces it arrives.
    TransferChannel channel(QStringLiteral("HTTP"));
    for (const char *path : {"/all.txt", "/_test/chunked/all.txt"}) {
        const Status saved =
            DownloadToFile(channel, m_server.url(QLatin1String(path)), target(), FetchAs::TextWithCrLf, {});
        QVERIFY2(saved.ok(), qPrintable(saved.error()));
        QCOMPARE(FileBytes(target()), testsupport::ReadFile(m_server.root() + QStringLiteral("/all.txt")) + "\r\n");
    }
}

void TestDownload::failureLeavesEmptiedFile_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("error");
    QTest::newRow("404") << "/_test/status/404"
                         << "HTTP 404 Not Found";
    QTest::newRow("invalid chunk size") << "/_test/badchunk"
                                        << "The document arrived incomplete: the server sent an invalid chunk size";
    QTest::newRow("over the limit") << "/_test/endless"
                                    << "The document exceeds the size limit of 1 MiB";
    QTest::newRow("cancelled mid-stream") << "/_test/trickle/100/0.05"
                                          << "The transfer was cancelled";
}

void TestDownload::failureLeavesEmptiedFile()
{
    // As though the file had been emptied before the fetch: nothing of the
    // failed document, nothing of the earlier one, no work file.
    QFETCH(QString, path);
    QFETCH(QString, error);
    QVERIFY(WriteFile(target(), "old index"));
    TransferChannel channel(QStringLiteral("HTTP"));
    QTimer::singleShot(300, &channel, [&channel] { channel.abort(); });
    const Status saved = DownloadToFile(channel, m_server.url(path), target(), FetchAs::TextWithCrLf, {kMiB, 60});
    QVERIFY2(saved.error().startsWith(error), qPrintable(saved.error()));
    QCOMPARE(FileBytes(target()), QByteArray());
    QCOMPARE(Entries(m_app), QStringList{QStringLiteral("target")});
}

void TestDownload::safeDownloadKeepsEarlierCopyOnFailure_data()
{
    QTest::addColumn<QString>("path");
    for (const char *path : {"/_test/status/500", "/_test/status/204", "/_test/status/304", "/_test/truncated",
                             "/_test/close", "/_test/badchunk", "/_test/chunkcut", "/_test/endlesschunked",
                             "/_test/trickle/100/0.05", "/_test/reset", "/_test/encoding/gzip/doc.txt"})
        QTest::newRow(path) << QString::fromLatin1(path);
}

void TestDownload::safeDownloadKeepsEarlierCopyOnFailure()
{
    QFETCH(QString, path);
    QVERIFY(WriteFile(target(), "earlier copy"));
    TransferChannel channel(QStringLiteral("HTTP"));
    QTimer::singleShot(300, &channel, [&channel] { channel.abort(); });
    const Status saved =
        DownloadToFileSafely(channel, m_server.url(path), target(), FetchAs::TextWithCrLf, {2 * kMiB, 60});
    QVERIFY(!saved.ok());
    QVERIFY(!saved.error().isEmpty());
    QCOMPARE(FileBytes(target()), QByteArray("earlier copy"));
    QCOMPARE(Entries(m_app), QStringList{QStringLiteral("target")});
}

void TestDownload::linkAtTheTargetIsReplacedNotFollowed()
{
    // A link planted at a work file's name is replaced by the download; the
    // file it pointed to is not touched.
    QVERIFY(QFile::link(m_outside, target()));
    TransferChannel channel(QStringLiteral("HTTP"));
    for (const Status &saved :
         {DownloadToFile(channel, m_server.url(QStringLiteral("/doc.txt")), target(), FetchAs::TextWithCrLf, {}),
          DownloadToFile(channel, m_server.url(QStringLiteral("/_test/status/404")), target(), FetchAs::Bytes, {})}) {
        Q_UNUSED(saved);
        QVERIFY(!QFileInfo(target()).isSymLink());
        QCOMPARE(FileBytes(m_outside), QByteArray("outside, keep me"));
    }
    QCOMPARE(FileBytes(target()), QByteArray()); // the failed second download
}

void TestDownload::linkPlantedDuringTheDownloadIsNotReplaced_data()
{
    QTest::addColumn<bool>("folder"); // a folder rather than a link
    QTest::newRow("link") << false;
    QTest::newRow("folder") << true;
}

void TestDownload::linkPlantedDuringTheDownloadIsNotReplaced()
{
    QFETCH(bool, folder);
    TransferChannel channel(QStringLiteral("HTTP"));
    const QString name = target(QStringLiteral("race.faq"));
    QTimer::singleShot(200, &channel, [&] { QVERIFY(folder ? QDir().mkdir(name) : QFile::link(m_outside, name)); });
    const Status saved = DownloadToFileSafely(channel, m_server.url(QStringLiteral("/_test/slow/1/doc.txt")), name,
                                              FetchAs::TextWithCrLf, {});
    QCOMPARE(saved.error(), QStringLiteral("Cannot write %1: it is a link, a folder or a program file").arg(name));
    QCOMPARE(FileBytes(m_outside), QByteArray("outside, keep me"));
    QCOMPARE(QFileInfo(name).isSymLink(), !folder);
    QCOMPARE(QFileInfo(name).isDir(), folder);
    QCOMPARE(Entries(m_app), QStringList{QStringLiteral("race.faq")});
}

void TestDownload::endlessBodyKeepsMemoryFlat()
{
    // 160 MiB arrive; were they held in memory, the peak would pass 100 MiB.
    TransferChannel channel(QStringLiteral("HTTP"));
    QVERIFY(ResetPeakRss());
    const qint64 before = PeakRssKiB();
    const Status saved = DownloadToFileSafely(channel, m_server.url(QStringLiteral("/_test/endless")), target(),
                                              FetchAs::TextWithCrLf, {160 * kMiB, 120});
    const qint64 peak = PeakRssKiB();
    QCOMPARE(saved.error(), QStringLiteral("The document exceeds the size limit of 160 MiB"));
    qInfo("peak resident memory %lld KiB (%lld KiB before the download)", peak, before);
    QVERIFY2(peak > 0 && peak < 100 * 1024, qPrintable(QString::number(peak)));
    QVERIFY(Entries(m_app).isEmpty());
}

void TestDownload::unwritableTarget()
{
    const QString missing = m_dir.filePath(QStringLiteral("no-such-folder/doc.txt"));
    TransferChannel channel(QStringLiteral("HTTP"));
    for (const DownloadFn fn : {DownloadToFile, Safely}) {
        const Status saved =
            fn(channel, m_server.url(QStringLiteral("/doc.txt")), missing, FetchAs::Bytes, {}, nullptr);
        QCOMPARE(saved.error(), QStringLiteral("Cannot write %1: No such file or directory").arg(missing));
    }
}

void TestDownload::fullDiskGivesTheSystemsReason()
{
    // A 64 KiB file system of its own, mounted in a private namespace.
    const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    if (unshare.isEmpty())
        QSKIP("unshare is not installed");
    const QString folder = m_dir.filePath(QStringLiteral("small"));
    QVERIFY(QDir().mkpath(folder));
    QProcess helper;
    helper.start(unshare, {QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-c"),
                           QStringLiteral("mount -t tmpfs -o size=64k tmpfs \"$1\" || exit 97; exec \"$2\" "
                                          "--download-helper \"$1\" \"$3\""),
                           QStringLiteral("sh"), folder, QCoreApplication::applicationFilePath(),
                           m_server.url(QStringLiteral("/_test/endless"))});
    QVERIFY(helper.waitForFinished(60000));
    if (helper.exitCode() != 0)
        QSKIP(qPrintable(QStringLiteral("no private mount: ") + QString::fromLocal8Bit(helper.readAllStandardError())));
    const QString out = QString::fromLocal8Bit(helper.readAllStandardOutput());
    QCOMPARE(out,
             QStringLiteral("error: Cannot write %1/doc.faq: %2\nentries: \n").arg(folder, SystemErrorText(ENOSPC)));
    QCOMPARE(SystemErrorText(ENOSPC), QStringLiteral("No space left on device"));
}

int main(int argc, char **argv)
{
    if (argc == 4 && qstrcmp(argv[1], "--download-helper") == 0)
        return DownloadHelper(argc, argv);
    QCoreApplication app(argc, argv);
    TestDownload test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_download.moc"
