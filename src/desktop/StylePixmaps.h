#pragma once

namespace veldra::desktop
{

// Puts the pictures the widget style draws the main window's frames with into
// Qt's pixmap cache, each read with its format named. Call once the
// application object exists, before the first window is drawn.
void WarmStylePixmaps();

} // namespace veldra::desktop
