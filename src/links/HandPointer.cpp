#include "links/HandPointer.h"

#include "platform/Pointer.h"

#include <QCoreApplication>

namespace veldra::links
{

QCursor LoadHandPointer(const QString &appDir)
{
    QCursor hand(Qt::PointingHandCursor);
    // A system-wide install keeps its downloads in the user's data folder,
    // while the picture stays beside the executable.
    if (!platform::LoadCursorFile(appDir + QLatin1String("hand.cur"), &hand))
        platform::LoadCursorFile(QCoreApplication::applicationDirPath() + QLatin1String("/hand.cur"), &hand);
    return hand;
}

} // namespace veldra::links
