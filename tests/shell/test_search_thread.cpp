// The search action's scan on a thread of its own: Cancel on the progress
// window ends it, and input to the main window waits until it is done.
#include "shell/ProgressWindow.h"
#include "shell/SearchAction.h"
#include "support/SearchPanel.h"

#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QWindow>

using namespace veldra;
using shell::SearchOutcome;

namespace
{

// A search panel of its own that scans every index off the window thread.
struct Panel : testsupport::SearchPanel {
    explicit Panel(const QString &indexFile)
        : SearchPanel(indexFile)
    {
        action.setOffThreadFrom(0);
    }
};

} // namespace

class TestSearchThread : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cancelEndsTheSearch();
    void inputToTheWindowWaitsForTheScan();

private:
    void writeIndex(const QByteArray &bytes);
    QTemporaryDir m_dir;
    QString m_indexFile;
};

void TestSearchThread::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_indexFile = m_dir.filePath(QStringLiteral("script.dat"));
}

void TestSearchThread::writeIndex(const QByteArray &bytes)
{
    QFile f(m_indexFile);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

void TestSearchThread::cancelEndsTheSearch()
{
    writeIndex("a.faq=Proxy]\r\n");
    Panel p(m_indexFile);
    QList<bool> offers;
    p.action.setCancelOffer([&](bool offer) {
        offers << offer;
        if (offer)
            p.action.cancel();
    });
    QCOMPARE(p.run(QStringLiteral("proxy")), SearchOutcome::Listed);
    QCOMPARE(offers, QList<bool>({true, false}));
    QCOMPARE(p.list->topLevelItemCount(), 0);
    QCOMPARE(p.label->text(), QStringLiteral("Found: 0 - the search was cancelled"));
    QVERIFY(p.search->isEnabled());
    // Cancel outside a search leaves the next one alone.
    p.action.setCancelOffer({});
    p.action.cancel();
    QCOMPARE(p.run(QStringLiteral("proxy")), SearchOutcome::Listed);
    QCOMPARE(p.label->text(), QStringLiteral("Found: 1"));
}

namespace
{
struct KeyCount : QObject {
    int keys = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        keys += e->type() == QEvent::KeyPress;
        return false;
    }
};
} // namespace

void TestSearchThread::inputToTheWindowWaitsForTheScan()
{
    writeIndex("a.faq=Proxy]\r\n");
    Panel p(m_indexFile);
    p.owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&p.owner));
    QWindow *window = p.owner.windowHandle();
    KeyCount count;
    window->installEventFilter(&count);
    int keysDuringScan = -1;
    p.action.setCancelOffer([&](bool offer) {
        if (offer)
            QCoreApplication::postEvent(
                window, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a")));
        else
            keysDuringScan = count.keys;
    });
    QCOMPARE(p.run(QStringLiteral("proxy")), SearchOutcome::Listed);
    QCOMPARE(keysDuringScan, 0);
    QCOMPARE(count.keys, 1);
    QCOMPARE(p.label->text(), QStringLiteral("Found: 1"));
}

QTEST_MAIN(TestSearchThread)
#include "test_search_thread.moc"
