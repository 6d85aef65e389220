#pragma once

#include <QString>

namespace veldra::news
{

// Whether the machine is connected, for the news download from `serverUrl`.
bool IsOnline(const QString &serverUrl);

} // namespace veldra::news
