#include "links/HandPointer.h"

#include "platform/Pointer.h"
#include "settings/Module1.h"

#include <QCoreApplication>

QCursor LoadHandPointer()
{
    QCursor hand(Qt::PointingHandCursor);
    // The picture lies in the program folder. A system-wide install keeps its
    // downloads in the user's data folder instead, while the picture stays
    // beside the executable.
    if (!platform::LoadCursorFile(Module1::AppDir + QLatin1String("hand.cur"), &hand))
        platform::LoadCursorFile(QCoreApplication::applicationDirPath() + QLatin1String("/hand.cur"), &hand);
    return hand;
}
