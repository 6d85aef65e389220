#include "news/IsOnline.h"

#include "news/Connectivity.h"
#include "settings/Module1.h"

#include <QUrl>

namespace veldra::news
{

bool IsOnline(const settings::Module1 &state)
{
    if (state.Connected)
        return *state.Connected;
    return news::IsConnected(QUrl(state.ServerUrl).authority());
}

} // namespace veldra::news
