#include "shell/Log.h"

namespace veldra::shell
{
Q_LOGGING_CATEGORY(lcShell, "veldra.shell", QtWarningMsg)
} // namespace veldra::shell
