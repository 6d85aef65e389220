#pragma once

#include <QLoggingCategory>

namespace veldra::links
{
// Diagnostics of this library: "veldra.links". Warnings show by default; switch
// on the rest with QT_LOGGING_RULES="veldra.links.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcLinks)
} // namespace veldra::links
