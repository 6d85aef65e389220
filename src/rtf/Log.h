#pragma once

#include <QLoggingCategory>

namespace veldra::rtf
{
// Diagnostics of this library: "veldra.rtf". Warnings show by default; switch
// on the rest with QT_LOGGING_RULES="veldra.rtf.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcRtf)
} // namespace veldra::rtf
