#pragma once

#include <QLoggingCategory>

namespace veldra::shell
{
// Diagnostics of this library: "veldra.shell". Warnings show by default; switch
// on the rest with QT_LOGGING_RULES="veldra.shell.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcShell)
} // namespace veldra::shell
