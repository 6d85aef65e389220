#pragma once

#include <QString>

namespace veldra::store
{

// Where the library store lives unless the caller names another file:
// $XDG_DATA_HOME/Veldra/Library/library.sqlite. A folder of its own: the
// program folder may be $XDG_DATA_HOME/Veldra itself, and a document's name,
// one plain segment, must never reach the store's files.
QString DefaultStorePath();

} // namespace veldra::store
