#include "desktop/Log.h"

namespace veldra::desktop
{
Q_LOGGING_CATEGORY(lcDesktop, "veldra.desktop", QtWarningMsg)
} // namespace veldra::desktop
