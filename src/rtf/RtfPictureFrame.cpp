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
    // Once per document, however often a document is read into it.
    if (doc->findChild<RtfPictureFrame *>(QString(), Qt::FindDirectChildrenOnly))
        return;
    auto *frame = new RtfPictureFrame(doc);
    // With the layout the document has, or gets when a view shows it: a
    // layout is not made here, where nothing is shown yet.
    const auto attach = [doc, frame] { doc->documentLayout()->registerHandler(RtfPictures::kFrameObject, frame); };
    if (doc->findChild<QAbstractTextDocumentLayout *>(QString(), Qt::FindDirectChildrenOnly))
        attach();
    connect(doc, &QTextDocument::documentLayoutChanged, frame, attach);
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
