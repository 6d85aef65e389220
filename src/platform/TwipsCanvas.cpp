#include "platform/TwipsCanvas.h"

#include "platform/Layout.h"
#include "platform/Twips.h"

#include <QEvent>
#include <QScreen>
#include <QScrollBar>
#include <QtMath>

namespace veldra::platform
{

TwipsCanvas::TwipsCanvas(const QSize &designTwips, QWidget *parent)
    : QScrollArea(parent)
    , m_design(designTwips)
    , m_canvas(new QWidget)
{
    setFrameShape(QFrame::NoFrame);
    // The canvas is no stop of its own on the way through the controls.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_canvas->setObjectName(QStringLiteral("canvas"));
    setWidget(m_canvas);
    m_canvas->resize(naturalSize());
    m_sx = m_sy = baseScale();
    ApplyTwipsLayout(m_canvas, m_sx, m_sy);
}

double TwipsCanvas::baseScale() const
{
    const QScreen *s = screen();
    return s ? PixelsPerTwip(font(), s->logicalDotsPerInch()) : PixelsPerTwip();
}

QSize TwipsCanvas::naturalSize() const
{
    const double s = baseScale();
    return QSize(qCeil(m_design.width() * s), qCeil(m_design.height() * s));
}

QSize TwipsCanvas::sizeToShow(const QSize &room) const
{
    const QSize natural = naturalSize();
    QSize size = natural.boundedTo(room);
    // A scroll bar down the side would take width the controls need, and
    // then one across the bottom as well.
    if (natural.height() > room.height())
        size.setWidth(qMin(room.width(), natural.width() + verticalScrollBar()->sizeHint().width()));
    if (natural.width() > room.width())
        size.setHeight(qMin(room.height(), natural.height() + horizontalScrollBar()->sizeHint().height()));
    return size;
}

void TwipsCanvas::relayout()
{
    const QSize natural = naturalSize();
    QSize room = maximumViewportSize();
    // A scroll bar takes room from the other direction, which may then need
    // one as well.
    bool across = room.width() < natural.width();
    bool down = room.height() < natural.height();
    for (int pass = 0; pass < 2; ++pass) {
        QSize left = maximumViewportSize();
        if (across)
            left.rheight() -= horizontalScrollBar()->sizeHint().height();
        if (down)
            left.rwidth() -= verticalScrollBar()->sizeHint().width();
        room = left;
        across = across || room.width() < natural.width();
        down = down || room.height() < natural.height();
    }
    const QSize size = natural.expandedTo(room);
    m_sx = double(size.width()) / m_design.width();
    m_sy = double(size.height()) / m_design.height();
    m_canvas->resize(size);
    ApplyTwipsLayout(m_canvas, m_sx, m_sy);
}

void TwipsCanvas::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    relayout();
}

void TwipsCanvas::changeEvent(QEvent *event)
{
    QScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        relayout();
}

} // namespace veldra::platform
