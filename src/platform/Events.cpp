#include "platform/Events.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace veldra::platform
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

} // namespace veldra::platform
