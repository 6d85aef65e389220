#pragma once

#include <QLoggingCategory>

namespace veldra::document
{
// Diagnostics of this library: "veldra.document". Warnings show by default; switch
// on the rest with QT_LOGGING_RULES="veldra.document.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcDocument)
} // namespace veldra::document
