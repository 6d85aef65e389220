#include "desktop/ImageList.h"
#include "desktop/Layout.h"
#include "desktop/Twips.h"
#include "desktop/TwipsCanvas.h"
#include "richtext/RichTextBox.h"
#include "richtext/TextZoom.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QtMath>

using namespace veldra::desktop;
using namespace veldra::richtext;

// What makes the program usable at other fonts, screens and themes: the twips
// conversion, the scaling canvas, the drawn icons, the document page and zoom.
class TestScaling : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void pixelsPerTwipFollowsDpiAndFont();
    void captionsSizedToTheirTextStillFit_data();
    void captionsSizedToTheirTextStillFit();
    void neighbouringRectanglesStillMeet();
    void canvasGrowsInProportionAndScrollsWhenSmall();
    void sizeToShowLeavesRoomForTheScrollBar();
    void iconsAreDrawnSharpAtEveryDensity();
    void documentPageStaysLightInADarkTheme();
    void zoomScalesEveryTextAndResetsExactly();
    void zoomCarriesOverToTheNextDocument();

private:
    QFont m_appFont = QApplication::font();
};

void TestScaling::cleanup()
{
    QApplication::setFont(m_appFont);
}

void TestScaling::pixelsPerTwipFollowsDpiAndFont()
{
    // A font smaller than the layout's: only the screen's dots per inch count.
    QFont tiny = QApplication::font();
    tiny.setPixelSize(6);
    QCOMPARE(PixelsPerTwip(tiny, 96), 96 / 1440.0);
    QCOMPARE(PixelsPerTwip(tiny, 144), 144 / 1440.0);
    // Larger fonts make the layout larger, in step with the font.
    QFont font = QApplication::font();
    double last = 0;
    for (int px : {12, 16, 20, 28}) {
        font.setPixelSize(px);
        const double s = PixelsPerTwip(font, 96);
        QVERIFY2(s > last, qPrintable(QStringLiteral("%1 px").arg(px)));
        QVERIFY(s * 195 >= QFontMetrics(font).height()); // a label's height holds a line
        last = s;
    }
    // The same font in pixels on a screen of more dots per inch is no larger a
    // share of the layout, which is larger in pixels by itself.
    font.setPixelSize(20);
    QVERIFY(PixelsPerTwip(font, 192) >= 192 / 1440.0);
    QVERIFY(PixelsPerTwip(font, 192) <= PixelsPerTwip(font, 96) * 2);
}

void TestScaling::captionsSizedToTheirTextStillFit_data()
{
    QTest::addColumn<double>("points");
    for (double pt : {7.0, 8.25, 9.0, 10.0, 11.0, 12.0, 14.0, 18.0, 24.0})
        QTest::newRow(qPrintable(QString::number(pt))) << pt;
}

void TestScaling::captionsSizedToTheirTextStillFit()
{
    // The windows' captions with the widths the layout gave them in twips,
    // sized to their text in the layout's own font.
    const struct {
        const char *text;
        int twips;
    } captions[] = {{"Search on server for:", 1485},
                    {"Subject:", 585},
                    {"Author:", 510},
                    {"Website:", 630},
                    {"Version:", 570},
                    {"Please fill in the proxy servers to use for each protocol.", 4815},
                    {"HTTP", 435},
                    {"Protocol", 585},
                    {"Port", 285},
                    {"FTP", 300}};
    QFETCH(double, points);
    QFont font = QApplication::font();
    font.setPointSizeF(points);
    const double s = PixelsPerTwip(font, 96);
    const QFontMetricsF metrics(font);
    for (const auto &c : captions)
        QVERIFY2(metrics.horizontalAdvance(QLatin1String(c.text)) <= c.twips * s + 1,
                 qPrintable(QStringLiteral("%1: %2 px text in %3 px")
                                .arg(QLatin1String(c.text))
                                .arg(metrics.horizontalAdvance(QLatin1String(c.text)))
                                .arg(c.twips * s)));
}

void TestScaling::neighbouringRectanglesStillMeet()
{
    // Controls that meet in twips meet in pixels at any scale: no gap, no overlap.
    for (double s : {1 / 15.0, 1.33 / 15, 0.137, 2.5 / 15}) {
        const QRect a = ScaleTwipsRect(QRect(120, 360, 2295, 4095), s, s);
        const QRect b = ScaleTwipsRect(QRect(2415, 360, 1000, 4095), s, s);
        const QRect c = ScaleTwipsRect(QRect(120, 4455, 2295, 300), s, s);
        QCOMPARE(a.right() + 1, b.left());
        QCOMPARE(a.bottom() + 1, c.top());
    }
}

void TestScaling::canvasGrowsInProportionAndScrollsWhenSmall()
{
    TwipsCanvas area(QSize(6000, 3000));
    auto *button = Place(new QPushButton(QStringLiteral("&Go"), area.canvas()), "go", 1500, 600, 3000, 1200);
    const double s = PixelsPerTwip();
    QCOMPARE(area.naturalSize(), QSize(qCeil(6000 * s), qCeil(3000 * s)));

    area.resize(area.naturalSize());
    area.show();
    QVERIFY(QTest::qWaitForWindowExposed(&area));
    QCOMPARE(button->geometry(), ScaleTwipsRect(QRect(1500, 600, 3000, 1200), s, s));
    QVERIFY(!area.horizontalScrollBar()->isVisible() && !area.verticalScrollBar()->isVisible());

    // Twice as large: every control twice as large, in the same place relative
    // to the window.
    area.resize(area.naturalSize() * 2);
    QTRY_COMPARE(area.canvas()->size(), area.naturalSize() * 2);
    QVERIFY(qAbs(button->x() - area.width() / 4) <= 1 && qAbs(button->width() - area.width() / 2) <= 1);
    QVERIFY(qAbs(button->y() - area.height() / 5) <= 1 && qAbs(button->height() - area.height() * 2 / 5) <= 1);

    // A little too small: squeezed, a little across and more top to bottom,
    // nothing scrolls.
    const QSize natural = area.naturalSize();
    QCOMPARE(area.smallestSize(), QSize(qCeil(6000 * s * 0.96), qCeil(3000 * s * 0.85)));
    area.resize((natural + area.smallestSize()) / 2);
    QTRY_COMPARE(area.canvas()->size(), area.size());
    QVERIFY(!area.horizontalScrollBar()->isVisible() && !area.verticalScrollBar()->isVisible());
    QVERIFY(area.pixelsPerTwipX() < s && area.pixelsPerTwipX() >= s * 0.96);
    QVERIFY(area.pixelsPerTwipY() < s && area.pixelsPerTwipY() >= s * 0.85);

    // Lower than the squeezed layout: drawn smaller, text and all, and still
    // nothing scrolls.
    const QSize smallest = area.smallestSize();
    area.resize(smallest.width(), smallest.height() * 9 / 10);
    QTRY_COMPARE(area.canvas()->size(), area.size());
    QVERIFY(!area.horizontalScrollBar()->isVisible() && !area.verticalScrollBar()->isVisible());
    QVERIFY(button->font().pointSizeF() < area.font().pointSizeF());

    // Smaller than even that: the controls stay at three quarters and the area scrolls.
    area.resize(natural / 2);
    QTRY_VERIFY(area.verticalScrollBar()->isVisible());
    QVERIFY(area.horizontalScrollBar()->isVisible());
    QCOMPARE(area.canvas()->size(), QSize(int(smallest.width() * 0.75), int(smallest.height() * 0.75)));
    area.verticalScrollBar()->setValue(area.verticalScrollBar()->maximum());
    QVERIFY(area.canvas()->geometry().bottom() <= area.viewport()->height());
}

void TestScaling::sizeToShowLeavesRoomForTheScrollBar()
{
    TwipsCanvas area(QSize(6000, 3000));
    const QSize natural = area.naturalSize();
    QCOMPARE(area.sizeToShow(natural * 2), natural);
    // A little too small for the screen: the room there is, squeezed.
    const QSize smallest = area.smallestSize();
    QCOMPARE(area.sizeToShow(smallest + QSize(5, 5)), smallest + QSize(5, 5));
    // Lower, down to three quarters of that, it is drawn smaller.
    QCOMPARE(area.sizeToShow(QSize(natural.width(), smallest.height() - 20)),
             QSize(natural.width(), smallest.height() - 20));
    // Lower still: wider by the scroll bar down the side, so that no scroll
    // bar across is needed.
    const int compact = int(smallest.height() * 0.75);
    const QSize low = area.sizeToShow(QSize(natural.width() + 100, compact - 20));
    QCOMPARE(low.height(), compact - 20);
    QCOMPARE(low.width(), natural.width() + area.verticalScrollBar()->sizeHint().width());
    // Too small both ways: all the room there is.
    QCOMPARE(area.sizeToShow(natural / 2), natural / 2);
}

void TestScaling::iconsAreDrawnSharpAtEveryDensity()
{
    for (int i = 1; i <= 7; ++i) {
        const QIcon icon = ImageList2(i);
        QVERIFY(!icon.isNull());
        for (qreal dpr : {1.0, 2.0, 3.0}) {
            const QImage image = icon.pixmap(kImageListSize, dpr).toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(image.size(), kImageListSize * dpr);
            // At whole densities every edge is a hard one, as in the original.
            int soft = 0, opaque = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const int alpha = qAlpha(image.pixel(x, y));
                    soft += alpha != 0 && alpha != 255;
                    opaque += alpha == 255;
                }
            QCOMPARE(soft, 0);
            QVERIFY(opaque > 0);
            // Empty corners are transparent, as the masked silver was.
            QCOMPARE(qAlpha(image.pixel(image.width() - 1, image.height() - 1)), 0);
        }
    }
    // The drawing has as many pixels as the screen, not a small picture blown up.
    const QImage small = ImageList2(2).pixmap(kImageListSize, 1.0).toImage();
    QImage large = ImageList2(2).pixmap(kImageListSize, 2.0).toImage();
    large.setDevicePixelRatio(1.0);
    QVERIFY(large.convertToFormat(QImage::Format_ARGB32) !=
            small.scaled(large.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)
                .convertToFormat(QImage::Format_ARGB32));
    QVERIFY(ImageList2(0).isNull() && ImageList2(8).isNull());
    QVERIFY(!ImageList1(1).isNull() && ImageList1(2).isNull());
}

void TestScaling::documentPageStaysLightInADarkTheme()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(48, 47, 46));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(34, 32, 32));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Link, QColor(9, 134, 211));
    const QPalette before = QApplication::palette();
    QApplication::setPalette(dark);
    RichTextBox box;
    QLabel label;
    QCOMPARE(label.palette().color(QPalette::Base), QColor(34, 32, 32)); // the theme is dark
    QCOMPARE(box.palette().color(QPalette::Base), RichTextBox::PaperColour());
    QCOMPARE(box.palette().color(QPalette::Text), RichTextBox::InkColour());
    QCOMPARE(box.palette().color(QPalette::Link), QColor(0, 0, 255));
    QCOMPARE(box.viewport()->palette().color(box.viewport()->backgroundRole()), RichTextBox::PaperColour());
    // Still so when the theme changes while the box is shown.
    dark.setColor(QPalette::Base, QColor(10, 10, 10));
    QApplication::setPalette(dark);
    QCOMPARE(box.palette().color(QPalette::Base), RichTextBox::PaperColour());
    QApplication::setPalette(before);
}

namespace
{

// Point size of the character at a document position.
qreal SizeAt(RichTextBox &box, int position)
{
    QTextCursor c(box.document());
    c.setPosition(position + 1);
    const qreal own = c.charFormat().fontPointSize();
    return own > 0 ? own : box.document()->defaultFont().pointSizeF();
}

} // namespace

void TestScaling::zoomScalesEveryTextAndResetsExactly()
{
    RichTextBox box;
    box.setText(QStringLiteral("plain sized"));
    QTextCursor c(box.document());
    c.setPosition(6);
    c.setPosition(11, QTextCursor::KeepAnchor);
    QTextCharFormat big;
    big.setFontPointSize(13);
    c.mergeCharFormat(big);
    const qreal plain = SizeAt(box, 0);

    TextZoom zoom(&box);
    QCOMPARE(zoom.percent(), 100);
    zoom.zoomIn();
    QCOMPARE(zoom.percent(), 110);
    QCOMPARE(SizeAt(box, 7), 13 * 1.1);
    QCOMPARE(SizeAt(box, 0), plain * 1.1);
    for (int i = 0; i < 20; ++i)
        zoom.zoomIn();
    QCOMPARE(zoom.percent(), TextZoom::Steps().last());
    for (int i = 0; i < 20; ++i)
        zoom.zoomOut();
    QCOMPARE(zoom.percent(), TextZoom::Steps().first());
    QCOMPARE(SizeAt(box, 7), 13 * 0.5);
    zoom.reset();
    // Back to the very sizes the document had, without rounding drift.
    QCOMPARE(SizeAt(box, 7), 13.0);
    QCOMPARE(SizeAt(box, 0), plain);
    QCOMPARE(box.text(), QStringLiteral("plain sized"));
}

void TestScaling::zoomCarriesOverToTheNextDocument()
{
    RichTextBox box;
    TextZoom zoom(&box);
    zoom.zoomIn();
    zoom.zoomIn(); // 125 %
    box.setText(QStringLiteral("next"));
    QTextCursor c(box.document());
    c.select(QTextCursor::Document);
    QTextCharFormat f;
    f.setFontPointSize(10);
    c.mergeCharFormat(f);
    zoom.apply();
    QCOMPARE(SizeAt(box, 1), 12.5);
    zoom.apply(); // applying again changes nothing
    QCOMPARE(SizeAt(box, 1), 12.5);
    // Ctrl and the wheel zoom as well.
    QWheelEvent wheel(QPointF(5, 5), box.viewport()->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(box.viewport(), &wheel);
    QCOMPARE(zoom.percent(), 150);
    QCOMPARE(SizeAt(box, 1), 15.0);
}

QTEST_MAIN(TestScaling)
#include "test_scaling.moc"
