#include "rtf/RtfPictureFrame.h"

#include "rtf/RtfPicture.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>
#include <QTextImageFormat>

namespace veldra::rtf
{

RtfPictureFrame::RtfPictureFrame(QObject *parent)
    : QObject(parent)
{
}

void RtfPictureFrame::registerOn(QTextDocument *doc)
{
    doc->documentLayout()->registerHandler(RtfPictures::kFrameObject, new RtfPictureFrame(doc));
}

QSizeF RtfPictureFrame::intrinsicSize(QTextDocument *, int, const QTextFormat &format)
{
    const QTextImageFormat f = format.toImageFormat();
    return QSizeF(f.width(), f.height());
}

void RtfPictureFrame::drawObject(QPainter *painter, const QRectF &rect, QTextDocument *, int, const QTextFormat &)
{
    painter->save();
    painter->setPen(QPen(Qt::gray, 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
    painter->restore();
}

} // namespace veldra::rtf
