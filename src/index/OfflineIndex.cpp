#include "index/OfflineIndex.h"

#include "index/Log.h"
#include "settings/Module1.h"
#include "settings/OfflineCopies.h"

namespace veldra::index
{

QString KeepOrRestoreIndex(bool downloaded, const settings::Module1 &state)
{
    const settings::OfflineCopies copies(state.CacheDir);
    if (downloaded) {
        // Without a copy the next start without the server has nothing to
        // search; this start goes on all the same.
        if (const Status kept = copies.keep(state.IndexFile); !kept)
            qCWarning(lcIndex) << "the index was not kept for offline use:" << kept.error();
        return QString();
    }
    const Result<QDateTime> restored = copies.restore(state.IndexFile);
    if (!restored) {
        qCDebug(lcIndex) << "no offline index:" << restored.error();
        return QString();
    }
    const QString note = QStringLiteral("Offline index of ") + settings::OfflineDate(restored.value());
    qCDebug(lcIndex) << note;
    return note;
}

} // namespace veldra::index
