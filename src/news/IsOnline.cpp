#include "news/IsOnline.h"

#include "platform/Connectivity.h"

bool IsOnline()
{
    return platform::IsConnected(QStringLiteral(VELDRA_SERVER_HOST));
}
