#include "document/Log.h"

namespace veldra::document
{
Q_LOGGING_CATEGORY(lcDocument, "veldra.document", QtWarningMsg)
} // namespace veldra::document
