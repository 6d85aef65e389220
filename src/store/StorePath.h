#pragma once

#include <QString>

namespace veldra::store
{

// Where the library store lives unless the caller names another file:
// $XDG_DATA_HOME/Veldra/library.sqlite (~/.local/share/Veldra/library.sqlite).
QString DefaultStorePath();

} // namespace veldra::store
