#include "platform/Log.h"

namespace veldra::platform
{
Q_LOGGING_CATEGORY(lcPlatform, "veldra.platform", QtWarningMsg)
} // namespace veldra::platform
