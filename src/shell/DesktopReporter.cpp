#include "shell/DesktopReporter.h"

#include "shell/Log.h"

namespace veldra::shell
{

void DesktopReporter::MsgBox(const QString &text, desktop::MsgBoxStyle style, const QString &title)
{
    qCDebug(lcShell) << "message box:" << title << text;
    desktop::MsgBox(text, style, title);
}

QString ConnectionErrorText(const QString &description)
{
    return QStringLiteral("Error while connecting to server using HTTP protocol: ") + description +
           QStringLiteral("\r\nPlease check your proxy settings...");
}

} // namespace veldra::shell
