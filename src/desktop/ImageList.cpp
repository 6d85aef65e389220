#include "desktop/ImageList.h"

#include "desktop/Twips.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QWidget>

#include <iterator>

namespace veldra::desktop
{

namespace
{

using DrawFn = void (*)(QPainter &);

void Globe(QPainter &p)
{
    p.setPen(QColor(0, 0, 128));
    p.setBrush(QColor(64, 128, 255));
    p.drawEllipse(1, 1, 13, 12);
    p.setPen(QColor(0, 128, 0));
    p.setBrush(QColor(0, 170, 0));
    p.drawEllipse(4, 3, 4, 4);
    p.drawEllipse(8, 7, 4, 3);
}

void Newspaper(QPainter &p)
{
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(1, 1, 13, 12);
    p.setPen(QColor(160, 0, 0));
    p.drawLine(3, 3, 12, 3);
    p.setPen(QColor(80, 80, 80));
    for (int y = 6; y <= 11; y += 2)
        p.drawLine(3, y, 12, y);
}

void Magnifier(QPainter &p)
{
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(200, 230, 255));
    p.drawEllipse(1, 1, 8, 8);
    p.setPen(QPen(QColor(150, 100, 40), 2)); // a handle that shows on light and dark ground
    p.drawLine(9, 9, 14, 13);
}

void Gear(QPainter &p)
{
    p.setPen(Qt::black);
    p.setBrush(QColor(128, 128, 128));
    p.drawEllipse(3, 2, 10, 10);
    p.setBrush(QColor(96, 96, 96));
    p.drawRect(7, 0, 2, 14);
    p.drawRect(1, 6, 14, 2);
    p.setBrush(QColor(192, 192, 192).lighter(130));
    p.drawEllipse(6, 5, 4, 4);
}

void Network(QPainter &p)
{
    p.setPen(Qt::black);
    p.setBrush(QColor(255, 255, 192));
    p.drawRect(0, 1, 6, 5);
    p.drawRect(9, 1, 6, 5);
    p.setPen(QPen(QColor(0, 0, 160), 1));
    p.drawLine(3, 7, 3, 10);
    p.drawLine(12, 7, 12, 10);
    p.drawLine(3, 10, 12, 10);
    p.setBrush(QColor(0, 160, 0));
    p.setPen(Qt::black);
    p.drawRect(5, 11, 5, 3);
}

void Book(QPainter &p)
{
    p.setPen(Qt::black);
    p.setBrush(QColor(160, 32, 32));
    p.drawRect(2, 1, 11, 12);
    p.setBrush(Qt::white);
    p.drawRect(4, 3, 7, 3);
    p.setPen(QColor(255, 220, 120));
    p.drawLine(3, 13, 13, 13);
}

void Document(QPainter &p)
{
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    QPainterPath path;
    path.moveTo(2, 1);
    path.lineTo(10, 1);
    path.lineTo(13, 4);
    path.lineTo(13, 13);
    path.lineTo(2, 13);
    path.closeSubpath();
    p.drawPath(path);
    p.setPen(QColor(0, 0, 200));
    p.drawLine(4, 6, 11, 6);
    p.drawLine(4, 8, 11, 8);
    p.drawLine(4, 10, 9, 10);
}

// Paints one of the drawings into any rectangle. At whole multiples of the
// grid the shapes are drawn without smoothing, so that every line stays as
// sharp as in the 16 x 15 original.
class DrawnIconEngine : public QIconEngine
{
public:
    explicit DrawnIconEngine(DrawFn draw)
        : m_draw(draw)
    {
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        const double sx = rect.width() / double(kImageListSize.width());
        const double sy = rect.height() / double(kImageListSize.height());
        const double device = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const bool whole =
            qFuzzyCompare(sx * device, qRound(sx * device)) && qFuzzyCompare(sy * device, qRound(sy * device));
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, !whole);
        painter->translate(rect.topLeft());
        painter->scale(sx, sy);
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.45);
        m_draw(*painter);
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // `size` is in device pixels already; the caller sets the pixel ratio.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal) override
    {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return size; }
    QIconEngine *clone() const override { return new DrawnIconEngine(m_draw); }
    QString key() const override { return QStringLiteral("veldra.drawn"); }

private:
    DrawFn m_draw;
};

QIcon Drawn(DrawFn draw)
{
    return QIcon(new DrawnIconEngine(draw));
}

} // namespace

QIcon ImageList2(int index)
{
    static const DrawFn drawings[] = {Document, Globe, Newspaper, Magnifier, Gear, Network, Book};
    if (index < 1 || index > int(std::size(drawings)))
        return QIcon();
    return Drawn(drawings[index - 1]);
}

QIcon ImageList1(int index)
{
    return index == 1 ? Drawn(Document) : QIcon();
}

QSize ImageListSize()
{
    const double growth = PixelsPerTwip() * kTwipsPerPixel;
    return QSize(qRound(kImageListSize.width() * growth), qRound(kImageListSize.height() * growth));
}

QPixmap ImageListPixmap(const QIcon &icon, const QWidget *shownOn)
{
    return icon.pixmap(ImageListSize(), shownOn ? shownOn->devicePixelRatioF() : 1.0);
}

QIcon AppIcon()
{
    // Every size travels to the X server with each window that shows the
    // icon, converted as the window is made; desktops take larger ones from
    // the installed icon theme. A 128-pixel one would be two thirds of the
    // bytes, and a good part of the time to the first window.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 16.0, size / 16.0);
        p.setPen(QPen(QColor(0, 0, 128), 0.8));
        p.setBrush(QColor(40, 110, 220));
        p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
        p.setPen(QPen(Qt::white, 1.6));
        p.drawLine(QPointF(4, 4), QPointF(8, 12));
        p.drawLine(QPointF(8, 12), QPointF(12, 4));
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

} // namespace veldra::desktop
