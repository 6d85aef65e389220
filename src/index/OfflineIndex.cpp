#include "index/OfflineIndex.h"

#include "index/Log.h"
#include "settings/Module1.h"
#include "settings/OfflineCopies.h"

#include <QCoreApplication>

namespace veldra::index
{

QString RestoreIndex(const settings::Module1 &state)
{
    const settings::OfflineCopies copies(state.CacheDir);
    const Result<QDateTime> restored = copies.restore(state.IndexFile);
    if (!restored) {
        qCDebug(lcIndex) << "no offline index:" << restored.error();
        return QString();
    }
    const QString note =
        QCoreApplication::translate("index", "Offline index of ") + settings::OfflineDate(restored.value());
    qCDebug(lcIndex) << note;
    return note;
}

} // namespace veldra::index
