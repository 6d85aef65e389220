#pragma once

#include <QLoggingCategory>

namespace veldra::index
{
// Diagnostics of this library: "veldra.index". Warnings show by default; switch
// on the rest with QT_LOGGING_RULES="veldra.index.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcIndex)
} // namespace veldra::index
