#include "platform/MessageBox.h"
#include "settings/Module1.h"
#include "shell/Form1.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

class TestShell : public QObject
{
    Q_OBJECT
private slots:
    void treeAfterSetTVNodes();
};

void TestShell::treeAfterSetTVNodes()
{
    Form1 *f = Form1::Get();
    f->SetTVNodes();
    QCOMPARE(f->TV->topLevelItemCount(), 3);
    QCOMPARE(f->Label3->text(), QStringLiteral("Community News"));
    QCOMPARE(f->Info->text(), QStringLiteral("Read todays community news"));
    QVERIFY(!f->frameNews->isHidden());
    QVERIFY(f->frameSearchOnline->isHidden());
    QVERIFY(f->frameReader->isHidden());
    delete f;
}

QTEST_MAIN(TestShell)
#include "test_shell.moc"
