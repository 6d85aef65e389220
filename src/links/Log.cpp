#include "links/Log.h"

namespace veldra::links
{
Q_LOGGING_CATEGORY(lcLinks, "veldra.links", QtWarningMsg)
} // namespace veldra::links
