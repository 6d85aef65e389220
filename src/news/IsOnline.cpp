#include "news/IsOnline.h"

#include "platform/Connectivity.h"

#include <QUrl>

namespace veldra::news
{

bool IsOnline(const QString &serverUrl)
{
    const QUrl url(serverUrl);
    return platform::IsConnected(url.authority());
}

} // namespace veldra::news
