#pragma once

#include <QMargins>
#include <QRect>
#include <QString>

class QWidget;

namespace veldra::shell
{

// Moves and shrinks a window's outer rectangle (`frame`, decorations
// included) so that all of it lies inside `available`, the screen area that
// panels and docks leave free. It keeps its size where that fits, and its
// position where that fits.
QRect FitInside(const QRect &frame, const QRect &available);

// The decorations a shown window has: how far its frame (`frame`, title bar
// and borders included) reaches beyond its client area on each side.
QMargins Decorations(const QRect &frame, const QRect &client);

// Where the client area of a window goes whose frame is wanted at
// `frameTopLeft` around a client area of `clientSize`, given the decorations
// the window manager adds: moved, and shrunk where need be, so that the whole
// frame lies inside `available` (see FitInside).
QRect ClientPlace(const QPoint &frameTopLeft, const QSize &clientSize, const QMargins &decorations,
                  const QRect &available);

// The room for the client area of `window` on the screen at `pos`, the
// decorations the window manager adds taken off.
QSize ClientRoom(const QWidget *window, const QPoint &pos);

// The main window's place, remembered per user in the settings store of
// `appName`: where its frame's top left corner stood and how large its client
// area was. The first start uses the layout's own place `defaultPos` and the
// window's present size. Either way the whole frame ends up on the screen:
// once the window manager has framed the shown window, it is placed again
// with the decorations it really got (see FrameSettler).
void RestorePlacement(QWidget *window, const QString &appName, const QPoint &defaultPos);
void SavePlacement(const QWidget *window, const QString &appName);

// What the settings store holds the place under.
QString PlacementSection();

} // namespace veldra::shell
