#pragma once

#include <QLoggingCategory>

namespace veldra::transfer
{
// Diagnostics of this library: "veldra.transfer". Warnings show by default; switch
// on the rest with QT_LOGGING_RULES="veldra.transfer.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcTransfer)
} // namespace veldra::transfer
