#include "links/HandPointer.h"

#include "platform/Pointer.h"
#include "settings/Module1.h"

QCursor LoadHandPointer()
{
    QCursor hand(Qt::PointingHandCursor);
    platform::LoadCursorFile(Module1::AppDir + QLatin1String("hand.cur"), &hand);
    return hand;
}
