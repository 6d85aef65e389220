#include "links/HandPointer.h"

#include "desktop/Pointer.h"

#include <QCoreApplication>

namespace veldra::links
{

QCursor LoadHandPointer(const QString &appDir)
{
    QCursor hand(Qt::PointingHandCursor);
    // A system-wide install keeps its downloads in the user's data folder,
    // while the picture stays beside the executable.
    if (!desktop::LoadCursorFile(appDir + QLatin1String("hand.cur"), &hand))
        desktop::LoadCursorFile(QCoreApplication::applicationDirPath() + QLatin1String("/hand.cur"), &hand);
    return hand;
}

} // namespace veldra::links
