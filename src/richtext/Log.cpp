#include "richtext/Log.h"

namespace veldra::richtext
{
Q_LOGGING_CATEGORY(lcRichtext, "veldra.richtext", QtWarningMsg)
} // namespace veldra::richtext
