#include "store/Log.h"

namespace veldra::store
{
Q_LOGGING_CATEGORY(lcStore, "veldra.store", QtWarningMsg)
} // namespace veldra::store
