#pragma once

#include <QLoggingCategory>

namespace veldra::richtext
{
// Diagnostics of this library: "veldra.richtext". Warnings show by default; switch
// on the rest with QT_LOGGING_RULES="veldra.richtext.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcRichtext)
} // namespace veldra::richtext
