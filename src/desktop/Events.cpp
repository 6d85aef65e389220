#include "desktop/Events.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>

#include <memory>

namespace veldra::desktop
{

void DoEvents()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void WaitForEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void RunOffThread(const std::function<void()> &work, const std::function<void()> &meanwhile)
{
    const std::unique_ptr<QThread> thread(QThread::create(work));
    QEventLoop loop;
    // Queued from the worker, so the loop below sees it even when the work
    // ends before the loop starts; `meanwhile` may run events and take the
    // news first, which the flag keeps.
    bool done = false;
    QObject::connect(thread.get(), &QThread::finished, &loop, [&] {
        done = true;
        loop.quit();
    });
    thread->start();
    if (!thread->isRunning() && !thread->isFinished()) {
        // No thread to be had (the system's limit): the work runs here.
        work();
        if (meanwhile)
            meanwhile();
        return;
    }
    if (meanwhile)
        meanwhile();
    if (!done)
        loop.exec();
    thread->wait();
}

} // namespace veldra::desktop
