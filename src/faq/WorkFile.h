#pragma once

#include "text/Result.h"

#include <QByteArrayView>
#include <QString>

namespace veldra::faq
{

// Writes `bytes` to a work file at `path` that this call creates itself. Whatever
// stands at the path is removed first (a symbolic link itself, never what it
// points to); the new file is then created exclusively, so a link or file
// planted in between makes the write fail instead of being followed or
// overwritten. The error is the system's description.
Status WriteWorkFile(const QString &path, QByteArrayView bytes);

} // namespace veldra::faq
