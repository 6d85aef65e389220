#pragma once

#include <QLoggingCategory>

namespace veldra::platform
{
// Diagnostics of this library: "veldra.platform". Warnings show by default; switch
// on the rest with QT_LOGGING_RULES="veldra.platform.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)
} // namespace veldra::platform
