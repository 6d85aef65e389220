#include "RtfTestUtil.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QImage>
#include <QLoggingCategory>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>
#include <functional>
#include <unistd.h>

// Damaged PNG and JPEG pictures are drawn as empty frames of their size and
// say so in one line of the reader's log; the image libraries, which write
// their complaints to the terminal (libpng straight to stderr, the JPEG
// plugin as a Qt warning), never see them.
class TestRtfPictureDamage : public QObject
{
    Q_OBJECT
private slots:
    void damagedPicturesAreQuietFrames();
};

namespace
{

QByteArray Encoded(const char *format)
{
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// What `work` writes to the process's standard error, at the level of the
// file descriptor, where libpng writes.
QByteArray StandardErrorOf(const std::function<void()> &work)
{
    QTemporaryFile file;
    if (!file.open())
        return QByteArrayLiteral("no temporary file");
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    dup2(file.handle(), STDERR_FILENO);
    work();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    file.seek(0);
    return file.readAll();
}

} // namespace

void TestRtfPictureDamage::damagedPicturesAreQuietFrames()
{
    const QByteArray png = Encoded("PNG");
    const QByteArray jpeg = Encoded("JPEG");
    QByteArray flipped = png;
    flipped[png.indexOf("IDAT") + 8] = '\x55';
    const QByteArray damaged[] = {
        QByteArrayLiteral("\\pngblip 000102030405060708090a0b0c0d0e0f"), // not a PNG at all
        "\\pngblip " + png.left(png.size() / 2).toHex(),                 // cut short
        "\\pngblip " + flipped.toHex(),                                  // a wrong byte
        QByteArrayLiteral("\\jpegblip 0102030405060708"),
        "\\jpegblip " + jpeg.left(jpeg.size() * 2 / 3).toHex(),
    };
    QByteArray rtf = "{\\rtf1 ";
    for (const QByteArray &picture : damaged)
        rtf += "{\\pict\\picwgoal600\\pichgoal300" + picture + "}\\par ";
    rtf += "}";

    QLoggingCategory::setFilterRules(QStringLiteral("veldra.rtf.info=true"));
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    for (int i = 1; i <= 5; ++i)
        QTest::ignoreMessage(QtInfoMsg,
                             QRegularExpression(QStringLiteral("^Picture %1, a (PNG|JPEG), is damaged").arg(i)));
    QTextDocument doc;
    const QByteArray printed = StandardErrorOf([&] { veldra::rtf::ReadRtf(rtf, &doc); });
    QLoggingCategory::setFilterRules(QString());
    QVERIFY2(printed.isEmpty(), printed.constData());

    // Each frame is drawn where its picture stood, at the picture's size.
    doc.setTextWidth(300);
    QImage page(doc.size().toSize(), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    doc.drawContents(&painter);
    painter.end();
    int frames = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b.text() != QString(QChar::ObjectReplacementCharacter))
            continue;
        ++frames;
        const QRect block = doc.documentLayout()->blockBoundingRect(b).toAlignedRect() & page.rect();
        QRect drawn;
        for (int y = block.top(); y <= block.bottom(); ++y)
            for (int x = block.left(); x <= block.right(); ++x)
                if (page.pixel(x, y) != qRgb(255, 255, 255))
                    drawn |= QRect(x, y, 1, 1);
        QVERIFY2(qAbs(drawn.width() - 40) <= 1 && qAbs(drawn.height() - 20) <= 1,
                 qPrintable(QStringLiteral("%1x%2").arg(drawn.width()).arg(drawn.height())));
        QCOMPARE(page.pixel(drawn.center()), qRgb(255, 255, 255)); // a frame, not a picture
    }
    QCOMPARE(frames, 5);
}

QTEST_MAIN(TestRtfPictureDamage)
#include "test_rtfpicturedamage.moc"
