#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

class QWidget;

namespace veldra::desktop
{

// The program's own small pictures, drawn as shapes on a 16 x 15 grid and
// painted afresh at whatever size and pixel density they are shown, so they
// stay sharp on HiDPI screens. Where the grid is left empty they are
// transparent, as the silver mask colour of the original artwork was.
// ImageList2: the navigation tree's seven icons, counted from 1.
QIcon ImageList2(int index);
// ImageList1: the result list's one icon, counted from 1.
QIcon ImageList1(int index);
// The size the pictures are drawn for, in pixels of a 96 dpi screen, and the
// size they are shown at, which grows with the layout (see Twips.h).
constexpr QSize kImageListSize(16, 15);
QSize ImageListSize();
// A picture as a picture box shows it: at ImageListSize(), with as many device
// pixels as the screen of `shownOn` has.
QPixmap ImageListPixmap(const QIcon &icon, const QWidget *shownOn);
// The application icon.
QIcon AppIcon();

} // namespace veldra::desktop
