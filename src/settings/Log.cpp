#include "settings/Log.h"

namespace veldra::settings
{
Q_LOGGING_CATEGORY(lcSettings, "veldra.settings", QtWarningMsg)
} // namespace veldra::settings
