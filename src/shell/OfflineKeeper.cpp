#include "shell/OfflineKeeper.h"

#include "settings/OfflineCopies.h"
#include "shell/Log.h"

#include <QThread>

namespace veldra::shell
{

OfflineKeeper::~OfflineKeeper()
{
    wait();
}

void OfflineKeeper::keep(const QString &cacheFolder, const QStringList &workFiles)
{
    wait();
    if (workFiles.isEmpty())
        return;
    const auto keep = [cacheFolder, workFiles] {
        const settings::OfflineCopies copies(cacheFolder);
        for (const QString &file : workFiles)
            if (const Status kept = copies.keep(file); !kept)
                qCWarning(lcShell) << file << "was not kept for offline use:" << kept.error();
    };
    m_thread.reset(QThread::create(keep));
    m_thread->start();
    if (!m_thread->isRunning() && !m_thread->isFinished()) {
        // No thread to be had: the copies are made here.
        m_thread.reset();
        keep();
    }
}

void OfflineKeeper::wait()
{
    if (m_thread)
        m_thread->wait();
    m_thread.reset();
}

} // namespace veldra::shell
