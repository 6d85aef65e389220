#include "rtf/Log.h"

namespace veldra::rtf
{
Q_LOGGING_CATEGORY(lcRtf, "veldra.rtf", QtWarningMsg)
} // namespace veldra::rtf
