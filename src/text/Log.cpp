#include "text/Log.h"

namespace veldra::text
{
Q_LOGGING_CATEGORY(lcText, "veldra.text", QtWarningMsg)
} // namespace veldra::text
