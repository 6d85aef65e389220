#pragma once

#include "text/Result.h"

#include <QString>

namespace veldra::store
{
class LibraryStore;
}

namespace veldra::offline
{

// Indexes again every document of the local index `indexFile` whose copy is
// stored in `folder` (an ordinary file under its name), for a store that was
// missing or damaged: what the user downloaded stays searchable. Gives how
// many were indexed; a copy that cannot be read is passed over.
Result<int> IndexStoredDocuments(store::LibraryStore &store, const QString &indexFile, const QString &folder);

} // namespace veldra::offline
