#pragma once

#include "text/Result.h"

#include <QList>
#include <QString>

namespace veldra::offline
{

// A document the server's index lists: its file name and the first subject
// given for it.
struct IndexEntry {
    QString fileName;
    QString subject;
};

// The documents of the local index file, each once, in the index's order.
// Names that could not be a plain file in the program folder are left out.
Result<QList<IndexEntry>> ReadIndexEntries(const QString &indexFile);

} // namespace veldra::offline
