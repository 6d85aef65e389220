#include "settings/AppDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using veldra::settings::FindAppDir;
using veldra::settings::IsUnderSystemPrefix;

// Where the program keeps its work files. A system-wide install must never get
// them in its own folder, whoever runs it: root can write to /usr, and files
// left there survive the package's removal.
class TestAppDir : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void systemPrefix_data();
    void systemPrefix();
    void writableFolderIsUsed();
    void systemFolderFallsBackToUserData_data();
    void systemFolderFallsBackToUserData();

private:
    QTemporaryDir m_data;
    QString dataAppDir() const { return m_data.path() + QStringLiteral("/Veldra/"); }
};

void TestAppDir::initTestCase()
{
    QVERIFY(m_data.isValid());
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.path()));
}

void TestAppDir::systemPrefix_data()
{
    QTest::addColumn<QString>("dir");
    QTest::addColumn<bool>("system");
    QTest::newRow("package folder") << "/usr/lib/veldra" << true;
    QTest::newRow("local install") << "/usr/local/lib/veldra" << true;
    QTest::newRow("opt") << "/opt/veldra" << true;
    QTest::newRow("prefix itself") << "/usr" << true;
    QTest::newRow("trailing slash") << "/opt/" << true;
    QTest::newRow("doubled slash") << "//usr//lib/veldra" << true;
    QTest::newRow("dot step") << "/opt/./veldra" << true;
    QTest::newRow("climbs out") << "/usr/../home/u/veldra" << false;
    QTest::newRow("name starts alike") << "/usrlocal/veldra" << false;
    QTest::newRow("optional") << "/optional/veldra" << false;
    QTest::newRow("opt inside home") << "/home/u/opt/veldra" << false;
    QTest::newRow("build folder") << "/home/u/src/veldra/build/bin" << false;
    QTest::newRow("relative") << "usr/lib/veldra" << false;
    QTest::newRow("root") << "/" << false;
    QTest::newRow("empty") << "" << false;
}

void TestAppDir::systemPrefix()
{
    QFETCH(QString, dir);
    QFETCH(bool, system);
    QCOMPARE(IsUnderSystemPrefix(dir), system);
}

void TestAppDir::writableFolderIsUsed()
{
    // A build folder or a per-user install keeps its files beside the program.
    QTemporaryDir exe;
    QVERIFY(exe.isValid());
    QCOMPARE(FindAppDir(exe.path()), exe.path() + QLatin1Char('/'));
}

void TestAppDir::systemFolderFallsBackToUserData_data()
{
    QTest::addColumn<QString>("exeDir");
    QTest::addColumn<bool>("throughLink");
    // Run as root, both folders are writable and must still be refused.
    QTest::newRow("/usr/bin") << "/usr/bin" << false;
    QTest::newRow("link into /usr") << "/usr/share" << true;
}

void TestAppDir::systemFolderFallsBackToUserData()
{
    QFETCH(QString, exeDir);
    QFETCH(bool, throughLink);
    QTemporaryDir links;
    QVERIFY(links.isValid());
    if (throughLink) {
        const QString link = links.filePath(QStringLiteral("program"));
        QVERIFY(QFile::link(exeDir, link));
        exeDir = link;
    }
    QDir(dataAppDir()).removeRecursively();
    QCOMPARE(FindAppDir(exeDir), dataAppDir());
    QVERIFY(QFileInfo(dataAppDir()).isDir());
}

QTEST_GUILESS_MAIN(TestAppDir)
#include "test_appdir.moc"
