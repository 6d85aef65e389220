#pragma once

#include <QString>

// The library's folder on the server: "http://" + host + "/software/corvane/".
// The host is fixed when the program is built.
inline QString ServerBaseUrl()
{
    return QStringLiteral("http://") + QStringLiteral(VELDRA_SERVER_HOST) + QStringLiteral("/software/corvane/");
}
