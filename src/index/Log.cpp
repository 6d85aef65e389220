#include "index/Log.h"

namespace veldra::index
{
Q_LOGGING_CATEGORY(lcIndex, "veldra.index", QtWarningMsg)
} // namespace veldra::index
