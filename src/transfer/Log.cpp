#include "transfer/Log.h"

namespace veldra::transfer
{
Q_LOGGING_CATEGORY(lcTransfer, "veldra.transfer", QtWarningMsg)
} // namespace veldra::transfer
