// Read without the server, and the search in document text, in the program:
// a document Read brought is found by a word of its body; when the server is
// gone, Read reports the failure and then shows the stored copy, saying so,
// with the find bar on the word found.
#include "settings/SettingsStore.h"
#include "shell/FindBar.h"
#include "support/MainWindow.h"
#include "support/TestServer.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

using namespace veldra;
using testsupport::TestServer;

class TestOfflineRead : public QObject
{
    Q_OBJECT
private slots:
    void readsTheStoredCopyWithoutTheServer()
    {
        TestServer server;
        QVERIFY(server.putFile(QStringLiteral("software/corvane/script.txt"), "p.faq=Printing]\r\nm.faq=Mail]\r\n"));
        QVERIFY(server.putFile(QStringLiteral("software/corvane/p.faq"),
                               "Subject=Printing\r\n[Body]\r\nThe toner is empty.\r\n[/Body]"));
        QVERIFY(server.putFile(QStringLiteral("software/corvane/test.rtf"), "{\\rtf1 News\\par}"));
        QVERIFY2(server.start(), qPrintable(server.errorString()));
        QTemporaryDir appDir, config;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        testsupport::MainWindow w(appDir.path(), server.url(QStringLiteral("/software/corvane/")));
        w.form->Form_Load();
        QVERIFY(w.reporter.boxes.isEmpty());

        auto *box = w.child<QLineEdit>("txtSearchText");
        auto *list = w.child<QTreeWidget>("lstResults");
        auto *fullText = w.child<QCheckBox>("chkFullText");
        auto *note = w.child<QLabel>("lblOfflineCopy");
        QVERIFY(!fullText->isChecked());
        box->setText(QStringLiteral("Printing"));
        w.form->cmdSearch_Click();
        QCOMPARE(list->topLevelItemCount(), 1);
        list->setCurrentItem(list->topLevelItem(0));
        w.form->cmdRead_Click();
        QVERIFY(note->isHidden());

        // Its body is in the store now; typing searches once the keys pause.
        fullText->setChecked(true);
        box->clear();
        QTest::keyClicks(box, QStringLiteral("toner"));
        QTRY_VERIFY(list->topLevelItemCount() == 1 && list->topLevelItem(0)->text(1).contains(QLatin1String("toner")));
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Printing"));
        QCOMPARE(w.child<QLabel>("Label2")->text(), QStringLiteral("Found: 1"));

        server.stop();
        list->setCurrentItem(list->topLevelItem(0));
        w.form->cmdRead_Click();
        // The failure is reported as ever (the channel's own box may come first).
        QVERIFY(!w.reporter.boxes.isEmpty());
        QVERIFY(w.reporter.boxes.last().text.endsWith(QLatin1String("Please check your proxy settings...")));
        QCOMPARE(w.child<QLineEdit>("txtSubject")->text(), QStringLiteral("Printing"));
        QVERIFY(!note->isHidden());
        QVERIFY2(note->text().startsWith(QLatin1String("Offline copy of ")), qPrintable(note->text()));
        auto *find = w.form->findChild<shell::FindBar *>(QStringLiteral("readerFind"));
        QVERIFY(find && !find->isHidden());
        QCOMPARE(find->matches().size(), qsizetype(1));

        // The choice is the user's, for the next start too.
        testsupport::MainWindow next(appDir.path(), server.url(QStringLiteral("/software/corvane/")));
        next.state.LoadSettings();
        QCOMPARE(settings::GetSetting(next.state.AppName, QStringLiteral("Search"), QStringLiteral("InDocumentText")),
                 QStringLiteral("1"));
    }
};

QTEST_MAIN(TestOfflineRead)
#include "test_offline_read.moc"
