// The last good index and news, kept in the user's cache and put back.
#include "settings/Module1.h"
#include "settings/OfflineCopies.h"
#include "support/Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace veldra;
using settings::OfflineCopies;
using testsupport::ReadFile;
using testsupport::WriteFile;

class TestOfflineCopies : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void keepThenRestore();
    void restoreWithoutCopyLeavesWorkFile();
    void linksAreReplacedNotFollowed();
    void failedCopyLeavesTarget();
    void noFolderIsNoCache();
    void defaultFolderIsTheUsersCache();
    void dateIsWrittenOut();

private:
    QString work(const char *name) const { return m_work->filePath(QLatin1String(name)); }
    // What a folder holds, so that left-over temporary files show.
    static QStringList Entries(const QString &dir)
    {
        return QDir(dir).entryList(QDir::Files | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    QTemporaryDir *m_work = nullptr;
    QTemporaryDir *m_cache = nullptr;
    QString m_folder;
};

void TestOfflineCopies::init()
{
    m_work = new QTemporaryDir;
    m_cache = new QTemporaryDir;
    // The folder does not exist until something is kept.
    m_folder = m_cache->filePath(QStringLiteral("Veldra")) + QLatin1Char('/');
}

void TestOfflineCopies::cleanup()
{
    delete m_work;
    delete m_cache;
}

void TestOfflineCopies::keepThenRestore()
{
    const OfflineCopies copies(m_folder);
    const QByteArray index("a.faq=Proxy]\r\n\r\n");
    QVERIFY(WriteFile(work("script.dat"), index));
    const QDateTime before = QDateTime::currentDateTime().addSecs(-2);
    QVERIFY(copies.keep(work("script.dat")).ok());
    QCOMPARE(copies.copyOf(work("script.dat")), m_folder + QStringLiteral("script.dat"));
    QCOMPARE(ReadFile(m_folder + QStringLiteral("script.dat")), index);
    QCOMPARE(Entries(m_folder), QStringList{QStringLiteral("script.dat")});

    // A later good download replaces the copy.
    QVERIFY(WriteFile(work("script.dat"), "b.faq=Newer]\r\n"));
    QVERIFY(copies.keep(work("script.dat")).ok());
    QCOMPARE(ReadFile(m_folder + QStringLiteral("script.dat")), QByteArray("b.faq=Newer]\r\n"));

    // The start deleted the work file, the download failed: the copy comes back,
    // with the time it was kept.
    QVERIFY(QFile::remove(work("script.dat")));
    const Result<QDateTime> restored = copies.restore(work("script.dat"));
    QVERIFY2(restored.ok(), qPrintable(restored.error()));
    QCOMPARE(ReadFile(work("script.dat")), QByteArray("b.faq=Newer]\r\n"));
    QVERIFY(restored.value() >= before && restored.value() <= QDateTime::currentDateTime().addSecs(2));
    // A failed download that left an empty file behind is replaced as well.
    QVERIFY(WriteFile(work("script.dat"), QByteArray()));
    QVERIFY(copies.restore(work("script.dat")).ok());
    QCOMPARE(ReadFile(work("script.dat")), QByteArray("b.faq=Newer]\r\n"));
    QCOMPARE(Entries(m_work->path()), QStringList{QStringLiteral("script.dat")});
}

void TestOfflineCopies::restoreWithoutCopyLeavesWorkFile()
{
    const OfflineCopies copies(m_folder);
    QVERIFY(WriteFile(work("news.rtf"), "partial"));
    QVERIFY(!copies.restore(work("news.rtf")).ok());
    QCOMPARE(ReadFile(work("news.rtf")), QByteArray("partial"));
    // A folder where the copy should be is no copy.
    QVERIFY(QDir().mkpath(m_folder + QStringLiteral("news.rtf")));
    QVERIFY(!copies.restore(work("news.rtf")).ok());
    QCOMPARE(ReadFile(work("news.rtf")), QByteArray("partial"));
}

void TestOfflineCopies::linksAreReplacedNotFollowed()
{
    const OfflineCopies copies(m_folder);
    QTemporaryDir elsewhere;
    const QString victim = elsewhere.filePath(QStringLiteral("victim"));
    QVERIFY(WriteFile(victim, "not yours"));

    // A link in the cache where the copy goes.
    QVERIFY(QDir().mkpath(m_folder));
    QVERIFY(QFile::link(victim, m_folder + QStringLiteral("news.rtf")));
    QVERIFY(WriteFile(work("news.rtf"), "{\\rtf1 news}"));
    QVERIFY(copies.keep(work("news.rtf")).ok());
    QCOMPARE(ReadFile(victim), QByteArray("not yours"));
    QVERIFY(!QFileInfo(m_folder + QStringLiteral("news.rtf")).isSymLink());
    QCOMPARE(ReadFile(m_folder + QStringLiteral("news.rtf")), QByteArray("{\\rtf1 news}"));

    // A link in the program folder where the copy comes back.
    QVERIFY(QFile::remove(work("news.rtf")));
    QVERIFY(QFile::link(victim, work("news.rtf")));
    QVERIFY(copies.restore(work("news.rtf")).ok());
    QCOMPARE(ReadFile(victim), QByteArray("not yours"));
    QVERIFY(!QFileInfo(work("news.rtf")).isSymLink());
    QCOMPARE(ReadFile(work("news.rtf")), QByteArray("{\\rtf1 news}"));

    // A link standing for the copy itself is not taken for one.
    QVERIFY(QFile::remove(m_folder + QStringLiteral("news.rtf")));
    QVERIFY(QFile::link(victim, m_folder + QStringLiteral("news.rtf")));
    QVERIFY(!copies.restore(work("news.rtf")).ok());
    QCOMPARE(ReadFile(work("news.rtf")), QByteArray("{\\rtf1 news}"));
}

void TestOfflineCopies::failedCopyLeavesTarget()
{
    QVERIFY(WriteFile(work("script.dat"), "old"));
    QVERIFY(!settings::CopyFileSafely(work("missing"), work("script.dat")).ok());
    QCOMPARE(ReadFile(work("script.dat")), QByteArray("old"));
    QVERIFY(WriteFile(work("from"), "new"));
    const Status noFolder = settings::CopyFileSafely(work("from"), work("gone/script.dat"));
    QVERIFY(!noFolder.ok());
    QVERIFY2(noFolder.error().contains(QLatin1String("gone/script.dat")), qPrintable(noFolder.error()));
    // A folder that cannot be written: the error names the target, nothing is left behind.
    const QString locked = m_cache->filePath(QStringLiteral("locked"));
    QVERIFY(QDir().mkpath(locked));
    QVERIFY(WriteFile(locked + QStringLiteral("/script.dat"), "old"));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (QFileInfo(locked).isWritable())
        QSKIP("running with rights that write into any folder");
    const Status copied = settings::CopyFileSafely(work("from"), locked + QStringLiteral("/script.dat"));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(!copied.ok());
    QVERIFY2(copied.error().contains(QLatin1String("script.dat")), qPrintable(copied.error()));
    QCOMPARE(ReadFile(locked + QStringLiteral("/script.dat")), QByteArray("old"));
    QCOMPARE(Entries(locked), QStringList{QStringLiteral("script.dat")});
}

void TestOfflineCopies::noFolderIsNoCache()
{
    // State that was never loaded has no cache folder; that is no reason to
    // write into the current or the root folder.
    const OfflineCopies copies{QString()};
    QVERIFY(WriteFile(work("script.dat"), "x"));
    const QString cwd = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_cache->path()));
    const bool kept = copies.keep(work("script.dat")).ok();
    QDir::setCurrent(cwd);
    QVERIFY(!kept);
    QVERIFY(Entries(m_cache->path()).isEmpty());
    QVERIFY(!copies.restore(work("script.dat")).ok());
}

void TestOfflineCopies::defaultFolderIsTheUsersCache()
{
    qputenv("XDG_CACHE_HOME", QFile::encodeName(m_cache->path()));
    QCOMPARE(OfflineCopies::DefaultFolder(), m_cache->path() + QStringLiteral("/Veldra/"));
    settings::Module1 state(m_work->path());
    state.LoadSettings();
    QCOMPARE(state.CacheDir, m_cache->path() + QStringLiteral("/Veldra/"));
    qunsetenv("XDG_CACHE_HOME");
}

void TestOfflineCopies::dateIsWrittenOut()
{
    QCOMPARE(settings::OfflineDate(QDateTime(QDate(2026, 12, 5), QTime(23, 59))), QStringLiteral("5 December 2026"));
    QCOMPARE(settings::OfflineDate(QDateTime(QDate(2027, 1, 17), QTime(0, 0))), QStringLiteral("17 January 2027"));
}

QTEST_GUILESS_MAIN(TestOfflineCopies)
#include "test_offlinecopies.moc"
