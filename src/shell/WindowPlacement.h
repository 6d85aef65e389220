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

// The room for the client area of `window` on the screen at `pos`, the
// decorations the window manager adds taken off.
QSize ClientRoom(const QWidget *window, const QPoint &pos);

// The main window's place, remembered per user in the settings store of
// `appName`. The first start uses the layout's own place `defaultPos` and the
// window's present size. Either way the window ends up on the screen.
void RestorePlacement(QWidget *window, const QString &appName, const QPoint &defaultPos);
void SavePlacement(const QWidget *window, const QString &appName);

// What the settings store holds the place under.
QString PlacementSection();

} // namespace veldra::shell
