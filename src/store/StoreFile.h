#pragma once

#include "text/Result.h"

#include <QString>

namespace veldra::store
{

class Connection;

// What opening the store found.
enum class OpenOutcome {
    Existing, // the store as it was left
    Created,  // there was none: a new, empty store
    Rebuilt,  // it was damaged or of another version: moved aside, a new empty store made
};

// Opens the store at `path` on `connection`, making its folder when needed. A
// file that is no database, is damaged or holds other tables is moved to
// DamagedCopyPath (with its write-ahead log) and an empty store takes its place.
Result<OpenOutcome> OpenStoreFile(Connection &connection, const QString &path);

// Where a damaged store goes: one copy is kept, the next replaces it.
QString DamagedCopyPath(const QString &path);

} // namespace veldra::store
