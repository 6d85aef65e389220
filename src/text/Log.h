#pragma once

#include <QLoggingCategory>

namespace veldra::text
{
// Diagnostics of this library: "veldra.text". Warnings show by default; switch
// on the rest with QT_LOGGING_RULES="veldra.text.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcText)
} // namespace veldra::text
