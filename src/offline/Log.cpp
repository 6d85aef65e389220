#include "offline/Log.h"

namespace veldra::offline
{
Q_LOGGING_CATEGORY(lcOffline, "veldra.offline", QtWarningMsg)
} // namespace veldra::offline
