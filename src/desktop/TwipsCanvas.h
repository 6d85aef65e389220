#pragma once

#include <QScrollArea>
#include <QSize>

namespace veldra::desktop
{

// The client area of a window laid out in twips (see Twips.h and Layout.h).
// Its controls are drawn at the scale the user's font and screen ask for; a
// larger window draws them larger, in proportion. A window a little too small
// squeezes the layout a little; one smaller than that draws the controls
// smaller, their text too, down to three quarters, and only below that keeps
// the scale and scrolls instead of cutting controls off.
class TwipsCanvas : public QScrollArea
{
    Q_OBJECT
public:
    // `designTwips` is the size of the client area in twips.
    explicit TwipsCanvas(const QSize &designTwips, QWidget *parent = nullptr);

    // The widget the controls are placed on.
    QWidget *canvas() const { return m_canvas; }
    // The client area at the scale of the font and screen, before any resizing.
    QSize naturalSize() const;
    // The smallest client area that shows all controls without scrolling: a
    // little narrower and lower than the natural size.
    QSize smallestSize() const;
    // The client area to open with in `room`: the natural size where it fits,
    // else as much as fits, with room for the scroll bar this then needs.
    QSize sizeToShow(const QSize &room) const;
    // The scale the controls are drawn at now, in pixels per twip.
    double pixelsPerTwipX() const { return m_sx; }
    double pixelsPerTwipY() const { return m_sy; }

    // Draws the controls again for the present size, font and screen.
    void relayout();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    double baseScale() const;
    // How much smaller than the squeezed layout the controls are drawn, text
    // and all, for the room of the viewport: 1 where that layout fits.
    double compactionFor(const QSize &room) const;
    void compact(double factor);

    QSize m_design;
    QWidget *m_canvas;
    double m_sx = 0, m_sy = 0;
    double m_compaction = 1;
};

} // namespace veldra::desktop
