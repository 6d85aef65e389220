#pragma once

#include <QString>

namespace veldra::news
{

// Whether the machine is connected, as far as the desktop can tell. A server on
// a loopback address needs no network, so it always counts as reachable.
bool IsConnected(const QString &serverHost);

} // namespace veldra::news
