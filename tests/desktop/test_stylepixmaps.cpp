// Drawing the main window's frames loads no image-format plugin: each would
// bring its own libraries into every start.
#include "desktop/StylePixmaps.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QStyleFactory>
#include <QTest>

class TestStylePixmaps : public QObject
{
    Q_OBJECT
private slots:
    void groupBoxDrawsWithoutImagePlugins()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        veldra::desktop::WarmStylePixmaps();
        QGroupBox box(QStringLiteral("Frame1"));
        box.resize(200, 100);
        QVERIFY(!box.grab().isNull());
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        const QByteArray mapped = maps.readAll();
        QVERIFY2(!mapped.contains("/imageformats/"), "an image-format plugin was loaded to draw a group box");
    }
};

QTEST_MAIN(TestStylePixmaps)
#include "test_stylepixmaps.moc"
