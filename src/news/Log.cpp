#include "news/Log.h"

namespace veldra::news
{
Q_LOGGING_CATEGORY(lcNews, "veldra.news", QtWarningMsg)
} // namespace veldra::news
