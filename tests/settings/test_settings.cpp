#include "settings/AppDir.h"
#include "settings/Module1.h"
#include "settings/SettingsStore.h"
#include "support/Files.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace
{
const QString kApp = QStringLiteral("Veldra");
const QString kSection = QStringLiteral("Proxy_Settings");
} // namespace

using namespace veldra;
using settings::Module1;
using testsupport::WriteFile;

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void storeFileLocation();
    void missingFileGivesDefaults();
    void roundTrip_data();
    void roundTrip();
    void handEdited_data();
    void handEdited();
    void corruptFileGivesDefaults();
    void appDirFor_data();
    void appDirFor();
    void appDirFallsBackWhenNotWritable();
    void loadSettingsReadsStoreUnchanged();
    void loadSettingsFirstStart();
    void deleteWorkFiles();

private:
    QString confFile() const { return m_config.path() + QStringLiteral("/Veldra/Veldra.conf"); }
    QTemporaryDir m_config;
    QTemporaryDir m_data;
};

void TestSettings::initTestCase()
{
    // QSettings fixes its folders the first time it is used.
    QVERIFY(m_config.isValid() && m_data.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.path()));
}

void TestSettings::init()
{
    QFile::remove(confFile());
}

void TestSettings::storeFileLocation()
{
    QCOMPARE(settings::SettingsFileName(kApp), confFile());
    QVERIFY(settings::SaveSetting(kApp, kSection, QStringLiteral("HTTP"), QStringLiteral("proxy")).ok());
    QVERIFY(QFile::exists(confFile()));
}

void TestSettings::missingFileGivesDefaults()
{
    QCOMPARE(settings::GetSetting(kApp, kSection, QStringLiteral("HTTP")), QString());
    QCOMPARE(settings::GetSetting(kApp, kSection, QStringLiteral("HTTP_Port"), QStringLiteral("0")),
             QStringLiteral("0"));
}

void TestSettings::roundTrip_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << "proxy.example.org";
    QTest::newRow("empty") << "";
    QTest::newRow("comma") << "a,b";
    QTest::newRow("comma and spaces") << " a , b ";
    QTest::newRow("leading at") << "@proxy";
    QTest::newRow("double at") << "@@proxy";
    QTest::newRow("looks typed") << "@Rect(1 2 3 4)";
    QTest::newRow("looks invalid") << "@Invalid()";
    QTest::newRow("quotes and backslash") << "\"x\\y\"";
    QTest::newRow("semicolon and equals") << "a;b=c";
    QTest::newRow("tabs and spaces") << "\t x \t";
    QTest::newRow("non-ASCII") << QStringLiteral("pr\u00f6xy\u20ac");
    QTest::newRow("line break") << "a\r\nb";
}

void TestSettings::roundTrip()
{
    QFETCH(QString, value);
    QVERIFY(settings::SaveSetting(kApp, kSection, QStringLiteral("HTTP"), value).ok());
    QVERIFY(settings::SaveSetting(kApp, kSection, QStringLiteral("FTP"), QStringLiteral("other")).ok());
    QCOMPARE(settings::GetSetting(kApp, kSection, QStringLiteral("HTTP"), QStringLiteral("default")), value);
    QCOMPARE(settings::GetSetting(kApp, kSection, QStringLiteral("FTP")), QStringLiteral("other"));
}

void TestSettings::handEdited_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << QByteArray("HTTP=proxy") << "proxy";
    QTest::newRow("spaces around") << QByteArray("HTTP = proxy ") << "proxy";
    QTest::newRow("comma") << QByteArray("HTTP=a,b") << "a,b";
    QTest::newRow("comma and spaces") << QByteArray("HTTP=a, b ,c") << "a, b ,c";
    QTest::newRow("leading at") << QByteArray("HTTP=@proxy") << "@proxy";
    QTest::newRow("looks typed") << QByteArray("HTTP=@Rect(1 2 3 4)") << "@Rect(1 2 3 4)";
    QTest::newRow("looks invalid") << QByteArray("HTTP=@Invalid()") << "@Invalid()";
    QTest::newRow("looks like bytes") << QByteArray("HTTP=@ByteArray(x)") << "@ByteArray(x)";
    QTest::newRow("quoted") << QByteArray("HTTP=\"a,b\"") << "a,b";
    QTest::newRow("number") << QByteArray("HTTP=081") << "081";
    QTest::newRow("empty") << QByteArray("HTTP=") << "";
}

void TestSettings::handEdited()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, expected);
    QVERIFY(WriteFile(confFile(), "[General]\nHTTP=wrong section\n\n[Proxy_Settings]\nFTP=x\n" + line + "\n"));
    QCOMPARE(settings::GetSetting(kApp, kSection, QStringLiteral("HTTP"), QStringLiteral("default")), expected);
    QCOMPARE(settings::GetSetting(kApp, kSection, QStringLiteral("FTP")), QStringLiteral("x"));
}

void TestSettings::corruptFileGivesDefaults()
{
    QVERIFY(WriteFile(confFile(), QByteArray("\x01\x02\xff\xfe[[[\n===\n[Proxy_Settings\n\0\0\0", 25)));
    QCOMPARE(settings::GetSetting(kApp, kSection, QStringLiteral("HTTP_Port"), QStringLiteral("0")),
             QStringLiteral("0"));
    // The next OK still stores its values.
    QVERIFY(settings::SaveSetting(kApp, kSection, QStringLiteral("HTTP_Port"), QStringLiteral("81")).ok());
    QCOMPARE(settings::GetSetting(kApp, kSection, QStringLiteral("HTTP_Port"), QStringLiteral("0")),
             QStringLiteral("81"));
}

void TestSettings::appDirFor_data()
{
    QTest::addColumn<QString>("exeDir");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<QString>("expected");
    QTest::newRow("slash appended") << "/opt/veldra" << true << "/opt/veldra/";
    QTest::newRow("root kept") << "/" << true << "/";
    QTest::newRow("ends in slash") << "/opt/veldra/" << true << "/opt/veldra/";
    QTest::newRow("not writable") << "/usr/bin" << false << "/home/u/.local/share/Veldra/";
}

void TestSettings::appDirFor()
{
    QFETCH(QString, exeDir);
    QFETCH(bool, writable);
    QFETCH(QString, expected);
    QCOMPARE(settings::AppDirFor(exeDir, writable, QStringLiteral("/home/u/.local/share/Veldra/")), expected);
}

void TestSettings::appDirFallsBackWhenNotWritable()
{
    QTemporaryDir exe;
    QCOMPARE(settings::FindAppDir(exe.path()), exe.path() + QLatin1Char('/'));

    // A folder that cannot be written to, even by root: it does not exist.
    const QString expected = m_data.path() + QStringLiteral("/Veldra/");
    QCOMPARE(settings::FindAppDir(exe.path() + QStringLiteral("/missing")), expected);
    QVERIFY(QFileInfo(expected).isDir());
}

void TestSettings::loadSettingsReadsStoreUnchanged()
{
    QTemporaryDir exe;
    Module1 state(exe.path());
    QVERIFY(WriteFile(confFile(), "[Proxy_Settings]\nHTTP=\" proxy \"\nHTTP_Port=081abc\nFTP=ftp,proxy\n"
                                  "FTP_Port=\" 21 \"\n"));
    state.LoadSettings();
    QCOMPARE(state.AppName, QStringLiteral("Veldra"));
    QCOMPARE(state.AppDir, exe.path() + QLatin1Char('/'));
    QCOMPARE(state.IndexFile, exe.path() + QStringLiteral("/script.dat"));
    QCOMPARE(state.HttpProxy, QStringLiteral(" proxy "));
    QCOMPARE(state.HttpProxyPort, QStringLiteral("081abc"));
    QCOMPARE(state.FtpProxy, QStringLiteral("ftp,proxy"));
    QCOMPARE(state.FtpProxyPort, QStringLiteral(" 21 "));
}

void TestSettings::loadSettingsFirstStart()
{
    QTemporaryDir exe;
    Module1 state(exe.path());
    QVERIFY(WriteFile(confFile(), "[Other]\nHTTP=elsewhere\n"));
    state.LoadSettings();
    QCOMPARE(state.HttpProxy, QString());
    QCOMPARE(state.HttpProxyPort, QStringLiteral("0"));
    QCOMPARE(state.FtpProxy, QString());
    QCOMPARE(state.FtpProxyPort, QStringLiteral("0"));
}

void TestSettings::deleteWorkFiles()
{
    QTemporaryDir exe;
    Module1 state(exe.path());
    const QString index = exe.path() + QStringLiteral("/script.dat");
    const QString news = exe.path() + QStringLiteral("/news.rtf");
    const QString other = exe.path() + QStringLiteral("/other.faq");

    // Neither file there: start-up goes on silently.
    state.LoadSettings();

    // Only the index there.
    QVERIFY(WriteFile(index, "x"));
    state.LoadSettings();
    QVERIFY(!QFile::exists(index));

    // The index cannot be deleted (here: it is a folder with content); the news
    // file still goes and other files stay.
    QVERIFY(QDir().mkpath(index + QStringLiteral("/inside")));
    QVERIFY(WriteFile(news, "{\\rtf1}"));
    QVERIFY(WriteFile(other, "keep"));
    state.LoadSettings();
    QVERIFY(QFileInfo(index).isDir());
    QVERIFY(!QFile::exists(news));
    QVERIFY(QFile::exists(other));

    // A download's work file left behind by an ended program goes; a fresh one
    // may be another instance's download under way.
    const QString leftover = exe.path() + QStringLiteral("/.veldra-abc123.tmp");
    const QString fresh = exe.path() + QStringLiteral("/.veldra-def456.tmp");
    // Old files whose names only resemble a work file's are the user's.
    const QStringList lookalikes = {QStringLiteral("/veldra-abc.tmp"), QStringLiteral("/x.veldra-abc.tmp"),
                                    QStringLiteral("/.veldra-abc.tmp.keep"), QStringLiteral("/.Veldra-abc.tmp")};
    QVERIFY(WriteFile(fresh, "arriving"));
    const QStringList old = QStringList(lookalikes) << leftover.mid(exe.path().size());
    for (const QString &name : old) {
        QVERIFY(WriteFile(exe.path() + name, "old"));
        QFile file(exe.path() + name);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-7200), QFileDevice::FileModificationTime));
    }
    state.LoadSettings();
    QVERIFY(!QFile::exists(leftover));
    QVERIFY(QFile::exists(fresh));
    QVERIFY(QFile::exists(other));
    for (const QString &name : lookalikes)
        QVERIFY2(QFile::exists(exe.path() + name), qPrintable(name));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
