#pragma once

#include <QString>

namespace veldra::settings
{
class Module1;
}

namespace veldra::index
{

// After a start's index download failed: the last good copy is put back as
// the local index. Returns the note that says the search runs on an old copy
// ("Offline index of 5 December 2026"), or an empty text when there was no
// copy to put back. (An index that arrived whole becomes the offline copy
// through settings::OfflineCopies once the main window shows.)
QString RestoreIndex(const settings::Module1 &state);

} // namespace veldra::index
