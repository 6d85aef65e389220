#include "faq/Log.h"

namespace veldra::faq
{
Q_LOGGING_CATEGORY(lcFaq, "veldra.faq", QtWarningMsg)
} // namespace veldra::faq
