// Placeholder until the settings subsystem lands.
#include "settings/Module1.h"

#include <QCoreApplication>

namespace Module1 {
void LoadSettings()
{
    AppName = QStringLiteral("Veldra");
    AppDir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    IndexFile = AppDir + QStringLiteral("script.dat");
    HttpProxyPort = FtpProxyPort = QStringLiteral("0");
}
void DeleteWorkFiles() {}
} // namespace Module1
