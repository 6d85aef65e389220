#pragma once

#include <QLoggingCategory>

namespace veldra::settings
{
// Diagnostics of this library: "veldra.settings". Warnings show by default; switch
// on the rest with QT_LOGGING_RULES="veldra.settings.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcSettings)
} // namespace veldra::settings
