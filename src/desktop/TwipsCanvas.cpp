#include "desktop/TwipsCanvas.h"

#include "desktop/Layout.h"
#include "desktop/Twips.h"

#include <QEvent>
#include <QFont>
#include <QScreen>
#include <QScrollBar>
#include <QtMath>

namespace veldra::desktop
{

namespace
{

// How far the layout may be squeezed before the canvas scrolls: the rows of
// the layout have room to spare above their text, and the tall controls
// (lists, documents) scroll by themselves. Across, the captions need nearly
// all of their width; the scale leaves them a few hundredths to spare.
constexpr double kMostSqueezedDown = 0.85;
constexpr double kMostSqueezedAcross = 0.96;
// How far the whole layout, text and all, may be made smaller still when even
// the squeezed layout does not fit (a large font on a small screen): a window
// that scrolls as a whole hides the controls the user came for.
constexpr double kMostCompact = 0.75;

QFont Scaled(QFont font, double factor)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * factor);
    else if (font.pixelSize() > 0)
        font.setPixelSize(qMax(1, qRound(font.pixelSize() * factor)));
    return font;
}

} // namespace

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

QSize TwipsCanvas::smallestSize() const
{
    const double s = baseScale();
    return QSize(qCeil(m_design.width() * s * kMostSqueezedAcross), qCeil(m_design.height() * s * kMostSqueezedDown));
}

QSize TwipsCanvas::sizeToShow(const QSize &room) const
{
    const QSize natural = naturalSize();
    const QSize smallest = smallestSize() * kMostCompact;
    QSize size = natural.boundedTo(room);
    // A scroll bar down the side would take width the controls need, and
    // then one across the bottom as well.
    if (smallest.height() > room.height())
        size.setWidth(qMin(room.width(), natural.width() + verticalScrollBar()->sizeHint().width()));
    if (smallest.width() > room.width())
        size.setHeight(qMin(room.height(), natural.height() + horizontalScrollBar()->sizeHint().height()));
    return size;
}

double TwipsCanvas::compactionFor(const QSize &room) const
{
    const QSize smallest = smallestSize();
    if (smallest.isEmpty())
        return 1;
    const double fits = qMin(double(room.width()) / smallest.width(), double(room.height()) / smallest.height());
    return qBound(kMostCompact, fits, 1.0);
}

void TwipsCanvas::compact(double factor)
{
    if (qFuzzyCompare(factor, m_compaction))
        return;
    m_compaction = factor;
    // The controls' text shrinks with the layout, so that captions keep
    // fitting their places; at full size the controls take the window's font.
    m_canvas->setFont(factor < 1 ? Scaled(font(), factor) : QFont());
}

void TwipsCanvas::relayout()
{
    compact(compactionFor(maximumViewportSize()));
    const QSize full = smallestSize();
    // Rounded down, so that a compacted layout never needs a scroll bar for a pixel.
    const QSize smallest(int(full.width() * m_compaction), int(full.height() * m_compaction));
    QSize room = maximumViewportSize();
    // A scroll bar takes room from the other direction, which may then need
    // one as well.
    bool across = room.width() < smallest.width();
    bool down = room.height() < smallest.height();
    for (int pass = 0; pass < 2; ++pass) {
        QSize left = maximumViewportSize();
        if (across)
            left.rheight() -= horizontalScrollBar()->sizeHint().height();
        if (down)
            left.rwidth() -= verticalScrollBar()->sizeHint().width();
        room = left;
        across = across || room.width() < smallest.width();
        down = down || room.height() < smallest.height();
    }
    const QSize size = smallest.expandedTo(room);
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
    if (event->type() == QEvent::FontChange) {
        // The compact font is made from the window's, which has changed.
        m_compaction = 0;
        relayout();
    }
}

} // namespace veldra::desktop
