#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace veldra::desktop
{

// Why no window could be shown ("neither DISPLAY nor WAYLAND_DISPLAY is set"),
// or an empty text when the window system looks
// reachable. It is asked before the application object exists, which would
// otherwise abort the program when it finds no display. `platformOption` and
// `displayOption` are the -platform and -display options, empty when not given;
// the environment supplies QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY.
QString MissingDisplay(const QString &platformOption, const QString &displayOption,
                       const QProcessEnvironment &environment);

} // namespace veldra::desktop
