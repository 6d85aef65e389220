#pragma once

#include <QIcon>
#include <QPixmap>

namespace veldra::platform
{

// The program's own small pictures, 16 x 15 pixels, drawn on silver (192, 192,
// 192), which is masked out.
// ImageList2: the navigation tree's seven icons, counted from 1.
QPixmap ImageList2(int index);
// ImageList1: the result list's one icon, counted from 1.
QPixmap ImageList1(int index);
// The application icon.
QIcon AppIcon();

} // namespace veldra::platform
