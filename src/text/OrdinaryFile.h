#pragma once

#include "text/Result.h"

#include <QString>

class QFile;

namespace veldra::text
{

// Opens `path` for reading only when it is an ordinary file, beside the safe
// file writer that makes the program's files. What lies in the program folder
// or the cache may have been put there by someone else: a FIFO would hang the
// reader until something writes to it, a device could be read without end, a
// link could lead anywhere. So the file is opened without following a link
// and without waiting (O_NOFOLLOW, O_NONBLOCK), checked with fstat, and only
// then handed to `file`, open for reading. The error is the reason in words.
Status OpenOrdinaryFile(QFile &file, const QString &path);

} // namespace veldra::text
