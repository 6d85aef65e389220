#pragma once

#include <QString>

namespace veldra::settings
{
class Module1;
}

namespace veldra::index
{

// After the start's index download: an index that arrived whole becomes the
// offline copy; when the download failed, the last good copy is put back as
// the local index. Returns the note that says the search runs on an old copy
// ("Offline index of 5 December 2026"), or an empty text when the index is
// fresh or there was no copy to put back.
QString KeepOrRestoreIndex(bool downloaded, const settings::Module1 &state);

} // namespace veldra::index
