#pragma once

#include <QString>
#include <QStringList>
#include <QThread>

#include <memory>

namespace veldra::shell
{

// Keeps the work files that arrived whole at start-up (the index, the news)
// as their offline copies once the main window is on the screen: nothing the
// user waits for needs them before the next start. The copies are made on a
// thread of their own; the keeper waits for it when it goes.
class OfflineKeeper
{
public:
    OfflineKeeper() = default;
    ~OfflineKeeper();
    OfflineKeeper(const OfflineKeeper &) = delete;
    OfflineKeeper &operator=(const OfflineKeeper &) = delete;

    // Starts keeping `workFiles` in `cacheFolder`, after the copies asked for
    // before.
    void keep(const QString &cacheFolder, const QStringList &workFiles);
    // Returns once every copy asked for is made.
    void wait();

private:
    std::unique_ptr<QThread> m_thread;
};

} // namespace veldra::shell
