#pragma once

#include <QLoggingCategory>

namespace veldra::offline
{
// Diagnostics of this library: "veldra.offline". Warnings show by default; switch
// on the rest with QT_LOGGING_RULES="veldra.offline.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcOffline)
} // namespace veldra::offline
