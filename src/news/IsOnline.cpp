#include "news/IsOnline.h"

#include "news/Connectivity.h"

#include <QUrl>

namespace veldra::news
{

bool IsOnline(const QString &serverUrl)
{
    const QUrl url(serverUrl);
    return news::IsConnected(url.authority());
}

} // namespace veldra::news
