#pragma once

#include <QObject>
#include <QTextObjectInterface>

class QTextDocument;

namespace veldra::rtf
{

// Draws a picture that cannot be shown (a metafile, or one past the limits)
// as an empty frame of the picture's size.
class RtfPictureFrame : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    // Lets the document's layout, now or to come, draw frames; the handler
    // lives as long as the document.
    static void registerOn(QTextDocument *doc);

    QSizeF intrinsicSize(QTextDocument *doc, int position, const QTextFormat &format) override;
    void drawObject(QPainter *painter, const QRectF &rect, QTextDocument *doc, int position,
                    const QTextFormat &format) override;

private:
    explicit RtfPictureFrame(QObject *parent);
};

} // namespace veldra::rtf
