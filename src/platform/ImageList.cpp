#include "platform/ImageList.h"

#include <QBitmap>
#include <QPainter>
#include <QPainterPath>

namespace veldra::platform
{

namespace
{

const QColor kSilver(192, 192, 192);

QPixmap Masked(QPixmap pm)
{
    pm.setMask(pm.createMaskFromColor(kSilver, Qt::MaskInColor));
    return pm;
}

template <typename Draw> QPixmap Draw16x15(Draw draw)
{
    QPixmap pm(16, 15);
    pm.fill(kSilver);
    QPainter p(&pm);
    draw(p);
    p.end();
    return Masked(pm);
}

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
    p.setPen(QPen(QColor(96, 64, 0), 2));
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
    p.setBrush(kSilver.lighter(130));
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

} // namespace

QPixmap ImageList2(int index)
{
    switch (index) {
    case 1:
        return Draw16x15(Document);
    case 2:
        return Draw16x15(Globe);
    case 3:
        return Draw16x15(Newspaper);
    case 4:
        return Draw16x15(Magnifier);
    case 5:
        return Draw16x15(Gear);
    case 6:
        return Draw16x15(Network);
    case 7:
        return Draw16x15(Book);
    default:
        return QPixmap();
    }
}

QPixmap ImageList1(int index)
{
    return index == 1 ? Draw16x15(Document) : QPixmap();
}

QIcon AppIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
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

} // namespace veldra::platform
