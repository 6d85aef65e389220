#pragma once

#include <QLoggingCategory>

namespace veldra::store
{
// Diagnostics of this library: "veldra.store". Warnings show by default; switch
// on the rest with QT_LOGGING_RULES="veldra.store.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcStore)
} // namespace veldra::store
