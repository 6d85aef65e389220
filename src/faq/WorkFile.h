#pragma once

#include "text/Result.h"

#include <QByteArrayView>
#include <QString>

namespace veldra::faq
{

// Writes `bytes` as the work file at `path` through the safe file writer: a
// new file of this call's own that then takes the path's place, so a link or
// file planted there is replaced, never written through. A folder in the way
// makes it fail. The error is the system's description.
Status WriteWorkFile(const QString &path, QByteArrayView bytes);

} // namespace veldra::faq
