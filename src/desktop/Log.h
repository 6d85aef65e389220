#pragma once

#include <QLoggingCategory>

namespace veldra::desktop
{
// Diagnostics of this library: "veldra.desktop". Warnings show by default; switch
// on the rest with QT_LOGGING_RULES="veldra.desktop.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcDesktop)
} // namespace veldra::desktop
