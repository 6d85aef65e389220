// The start-up as the user meets it when the server is slow or gone: Cancel on
// the progress window, and the last good index and news put back.
#include "richtext/RichTextBox.h"
#include "settings/Module1.h"
#include "shell/DesktopReporter.h"
#include "shell/Form2.h"
#include "support/Files.h"
#include "support/MainWindow.h"
#include "support/OpenURL.h"
#include "support/TestServer.h"
#include "transfer/Channels.h"
#include "transfer/TransferChannel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QTreeWidget>

using namespace veldra;
using testsupport::Child;
using testsupport::ReadFile;
using testsupport::WriteFile;

namespace
{

const QByteArray kIndex = "old.faq=Proxy from the old index]\r\n\r\n";
// A news document whose first paragraph has a look of its own.
const QByteArray kNews = "{\\rtf1\\ansi\\qc Old headline\\par\\pard\\ql Old body\\par}";
const QDateTime kKept(QDate(2026, 12, 5), QTime(9, 30));

QStringList Lines(const richtext::RichTextBox *box)
{
    return box->toPlainText().split(QLatin1Char('\n'));
}

// Calls `seen` for every Show event of any object while it lives.
class ShowSpy : public QObject
{
public:
    explicit ShowSpy(std::function<void(QObject *)> seen)
        : m_seen(std::move(seen))
    {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            m_seen(watched);
        return false;
    }

private:
    std::function<void(QObject *)> m_seen;
};

} // namespace

class TestStartUp : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void goodStartKeepsCopies();
    void controlsAreMadeOnceTheProgressShows();
    void failedStartPutsCopiesBack();
    void failedStartWithoutCopies();
    void offlineMachineShowsTheCopy();
    void blankNewsKeepsTheOldCopy();
    void cancelEndsTheStartUp();
    void cancelOnlyWhileDownloading();

private:
    // A main window on `serverUrl` with the same cache folder each time.
    std::unique_ptr<testsupport::MainWindow> mainWindow(const QString &serverUrl);
    void putCopies();
    QString cached(const char *name) const { return m_cache->path() + QLatin1Char('/') + QLatin1String(name); }
    QTemporaryDir m_config;
    QTemporaryDir *m_cache = nullptr;
    QTemporaryDir *m_appDir = nullptr;
    testsupport::TestServer m_server;
};

void TestStartUp::initTestCase()
{
    for (const char *name : {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"})
        qunsetenv(name);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    QVERIFY(m_server.putFile(QStringLiteral("software/corvane/script.txt"), "new.faq=Proxy from the server]"));
    QVERIFY(m_server.putFile(QStringLiteral("software/corvane/test.rtf"), "{\\rtf1 Fresh news\\par}"));
    QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
}

void TestStartUp::init()
{
    m_cache = new QTemporaryDir;
    m_appDir = new QTemporaryDir;
}

void TestStartUp::cleanup()
{
    delete m_appDir;
    delete m_cache;
}

std::unique_ptr<testsupport::MainWindow> TestStartUp::mainWindow(const QString &serverUrl)
{
    return std::make_unique<testsupport::MainWindow>(m_appDir->path(), serverUrl, m_cache->path());
}

void TestStartUp::putCopies()
{
    for (const auto &[name, bytes] : {std::pair{"script.dat", kIndex}, std::pair{"news.rtf", kNews}}) {
        QVERIFY(WriteFile(cached(name), bytes));
        QFile f(cached(name));
        QVERIFY(f.open(QIODevice::ReadWrite) && f.setFileTime(kKept, QFileDevice::FileModificationTime));
    }
}

void TestStartUp::goodStartKeepsCopies()
{
    putCopies();
    auto w = mainWindow(m_server.url(QStringLiteral("/software/corvane/")));
    w->form->Form_Load();

    // The copies are no part of the start-up: they are made once the window
    // is on the screen, when events run again.
    QCOMPARE(ReadFile(cached("script.dat")), kIndex);
    QTRY_COMPARE(ReadFile(cached("script.dat")), QByteArray("new.faq=Proxy from the server]\r\n"));
    QTRY_COMPARE(ReadFile(cached("news.rtf")), QByteArray("{\\rtf1 Fresh news\\par}"));
    QCOMPARE(w->child<QLabel>("Label2")->text(), QString());
    QCOMPARE(w->child<richtext::RichTextBox>("News")->text(), QStringLiteral("Fresh news"));
    QVERIFY(w->reporter.boxes.isEmpty());
}

void TestStartUp::controlsAreMadeOnceTheProgressShows()
{
    // The program's own start: the progress window comes first, the main
    // window's controls after it, and the start-up then works as always.
    auto w =
        std::make_unique<testsupport::MainWindow>(m_appDir->path(), m_server.url(QStringLiteral("/software/corvane/")),
                                                  m_cache->path(), shell::Form1::Controls::AfterProgressShows);
    QVERIFY(!w->form->findChild<QWidget *>(QStringLiteral("News")));
    bool progressFirst = false;
    int progressShown = 0;
    auto watcher = std::make_unique<ShowSpy>([&](QObject *o) {
        if (o->objectName() == QLatin1String("Form2") && progressShown++ == 0)
            progressFirst = !w->form->findChild<QWidget *>(QStringLiteral("News"));
    });
    w->form->Form_Load();
    watcher.reset();

    QVERIFY(progressShown > 0);
    QVERIFY(progressFirst);
    QCOMPARE(w->child<richtext::RichTextBox>("News")->text(), QStringLiteral("Fresh news"));
    QCOMPARE(w->child<QTreeWidget>("TV")->topLevelItemCount(), 3);
    QVERIFY(w->reporter.boxes.isEmpty());
}

void TestStartUp::failedStartPutsCopiesBack()
{
    putCopies();
    auto w = mainWindow(m_server.url(QStringLiteral("/_test/status/500/")));
    w->form->Form_Load();

    // The failure is still reported as it always was.
    QStringList texts;
    for (const auto &box : w->reporter.boxes)
        texts << box.text;
    QVERIFY2(texts.contains(shell::ConnectionErrorText(QStringLiteral("HTTP 500 Internal Server Error"))),
             qPrintable(texts.join(QLatin1Char('|'))));
    QCOMPARE(ReadFile(w->state.IndexFile), kIndex);
    QCOMPARE(ReadFile(m_appDir->filePath(QStringLiteral("news.rtf"))), kNews);
    auto *Label2 = w->child<QLabel>("Label2");
    QCOMPARE(Label2->text(), QStringLiteral("Offline index of 5 December 2026"));

    // The news panel says how old its news is and why, then shows the document
    // as it looks.
    auto *News = w->child<richtext::RichTextBox>("News");
    QCOMPARE(Lines(News), (QStringList{QStringLiteral("Offline: news of 5 December 2026"),
                                       QStringLiteral("Unable to receive news: HTTP 500 Internal Server Error"),
                                       QStringLiteral("Old headline"), QStringLiteral("Old body")}));
    const QTextBlock note = News->document()->firstBlock();
    QVERIFY(note.charFormat().fontWeight() >= QFont::Bold ||
            note.begin().fragment().charFormat().fontWeight() >= QFont::Bold);
    QCOMPARE(note.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    const QTextBlock headline = note.next().next();
    QCOMPARE(headline.text(), QStringLiteral("Old headline"));
    QCOMPARE(headline.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QVERIFY(headline.begin().fragment().charFormat().fontWeight() < QFont::Bold);

    // The search runs on the old index, and its count keeps saying so.
    w->form->TV_NodeClick(w->form->TVNode(3));
    w->child<QLineEdit>("txtSearchText")->setText(QStringLiteral("proxy"));
    w->form->cmdSearch_Click();
    auto *list = w->child<QTreeWidget>("lstResults");
    QCOMPARE(list->topLevelItemCount(), 1);
    QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("Proxy from the old index"));
    QCOMPARE(Label2->text(), QStringLiteral("Found: 1 (Offline index of 5 December 2026)"));
}

void TestStartUp::failedStartWithoutCopies()
{
    auto w = mainWindow(m_server.url(QStringLiteral("/_test/status/500/")));
    w->form->Form_Load();

    QCOMPARE(ReadFile(w->state.IndexFile), QByteArray());
    QCOMPARE(w->child<QLabel>("Label2")->text(), QString());
    QCOMPARE(w->child<richtext::RichTextBox>("News")->text(),
             QStringLiteral("Unable to receive news: HTTP 500 Internal Server Error"));
    // A failed download is never kept.
    QVERIFY(!QFile::exists(cached("script.dat")) && !QFile::exists(cached("news.rtf")));
}

void TestStartUp::offlineMachineShowsTheCopy()
{
    putCopies();
    auto w = mainWindow(m_server.url(QStringLiteral("/_test/status/500/")));
    w->state.Connected = false;
    w->form->Form_Load();

    // No download was tried, so there is no failure to tell; the offline text
    // would say there is no news, which is no longer true.
    QCOMPARE(Lines(w->child<richtext::RichTextBox>("News")),
             (QStringList{QStringLiteral("Offline: news of 5 December 2026"), QStringLiteral("Old headline"),
                          QStringLiteral("Old body")}));
    QCOMPARE(w->child<QLabel>("Label2")->text(), QStringLiteral("Offline index of 5 December 2026"));
}

void TestStartUp::blankNewsKeepsTheOldCopy()
{
    putCopies();
    testsupport::TestServer blank;
    QVERIFY(blank.putFile(QStringLiteral("software/corvane/script.txt"), "a.faq=A]"));
    QVERIFY(blank.putFile(QStringLiteral("software/corvane/test.rtf"), "{\\rtf1  \\par}"));
    QVERIFY2(blank.start(), qPrintable(blank.errorString()));
    auto w = mainWindow(blank.url(QStringLiteral("/software/corvane/")));
    w->form->Form_Load();

    // The server answered: it is not offline, and a blank page is no good copy.
    QCOMPARE(w->child<richtext::RichTextBox>("News")->text(),
             QStringLiteral("Could not retrieve news, please check you proxy settings!"));
    QTRY_COMPARE(ReadFile(cached("script.dat")), QByteArray("a.faq=A]\r\n"));
    QCOMPARE(ReadFile(cached("news.rtf")), kNews);
}

void TestStartUp::cancelEndsTheStartUp()
{
    // Takes connections and never answers.
    QTcpServer hung;
    QVERIFY(hung.listen(QHostAddress::LocalHost));
    int connections = 0;
    connect(&hung, &QTcpServer::newConnection, this, [&] {
        while (hung.hasPendingConnections())
            hung.nextPendingConnection()->setParent(&hung);
        ++connections;
    });
    auto w = mainWindow(QStringLiteral("http://127.0.0.1:%1/software/corvane/").arg(hung.serverPort()));

    // The user presses Escape on the progress window as soon as Cancel can be pressed.
    QElapsedTimer sinceCancel;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        shell::Form2 *form2 = w->form->progress().existing();
        if (!form2 || !Child<QPushButton>(form2, "cmdCancel")->isEnabled())
            return;
        poll.stop();
        sinceCancel.start();
        QTest::keyClick(form2, Qt::Key_Escape);
    });
    poll.start(50);
    w->form->Form_Load();

    QVERIFY(sinceCancel.isValid());
    QVERIFY2(sinceCancel.elapsed() < 2000, qPrintable(QString::number(sinceCancel.elapsed())));
    // The index download failed as any failed download does, but without a
    // box: the user cancelled it. The news was not asked for from a server
    // the user gave up on; its panel says why.
    QStringList texts;
    for (const auto &box : w->reporter.boxes)
        texts << box.text;
    QCOMPARE(texts, QStringList());
    QCOMPARE(w->child<richtext::RichTextBox>("News")->text(),
             QStringLiteral("Unable to receive news: The transfer was cancelled"));
    QCOMPARE(connections, 1);
    QVERIFY(!w->form->progress().existing());
    QVERIFY(!w->form->channels().busy());
}

void TestStartUp::cancelOnlyWhileDownloading()
{
    auto w = mainWindow(m_server.url(QStringLiteral("/software/corvane/")));
    shell::ProgressWindow &progress = w->form->progress();
    // The search has no download to cancel.
    progress.ShowProgress(QStringLiteral("Search"), QStringLiteral("Please wait, searching..."), true, true);
    shell::Form2 *form2 = progress.existing();
    auto *cancel = Child<QPushButton>(form2, "cmdCancel");
    QVERIFY(cancel->isVisible());
    QVERIFY(!cancel->isEnabled());
    QTest::keyClick(form2, Qt::Key_Escape);
    QVERIFY(progress.existing());

    // While a request runs, Cancel can be pressed; when it is done, no longer.
    bool enabledDuring = false;
    QTimer::singleShot(0, this, [&] { enabledDuring = cancel->isEnabled(); });
    QVERIFY(testsupport::OpenURL(w->form->channels().HTTP(), m_server.url(QStringLiteral("/_test/slow/0.3"))).ok());
    QVERIFY(enabledDuring);
    QVERIFY(!cancel->isEnabled());

    // It lies in its own row below the bar, inside the window, whatever its height.
    for (bool showBar : {true, false}) {
        progress.ShowProgress(QStringLiteral("Please wait..."), QString(), true, showBar);
        const QRect bar = Child<QProgressBar>(form2, "Prog")->geometry();
        QVERIFY(cancel->geometry().top() > bar.bottom() || !showBar);
        QVERIFY(form2->rect().contains(cancel->geometry()));
    }
    progress.close();
}

QTEST_MAIN(TestStartUp)
#include "test_startup.moc"
