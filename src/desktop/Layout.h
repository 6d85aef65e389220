#pragma once

#include <QLabel>
#include <QRect>
#include <QString>

namespace veldra::desktop
{

// Names a control and puts it where the window's layout, in twips, says. The
// control keeps its place in twips, so that the layout can be drawn again at
// another scale (see TwipsCanvas).
template <typename W> W *Place(W *w, const char *name, int left, int top, int width, int height);

// Moves a control to a new place in twips, at the scale its window is drawn at.
void SetTwipsGeometry(QWidget *w, const QRect &twips);
QRect TwipsGeometry(const QWidget *w);

// Draws every control under `root` that has a place in twips at the given
// scale, in pixels per twip across and down.
void ApplyTwipsLayout(QWidget *root, double pixelsPerTwipX, double pixelsPerTwipY);

// A caption at its place. A caption sized to its text in the layout's font
// grows to fit its text in the user's and is never cut short.
QLabel *MakeLabel(QWidget *parent, const char *name, const QString &text, int left, int top, int width, int height);

template <typename W> W *Place(W *w, const char *name, int left, int top, int width, int height)
{
    w->setObjectName(QLatin1String(name));
    SetTwipsGeometry(w, QRect(left, top, width, height));
    return w;
}

} // namespace veldra::desktop
