#include "shell/DesktopReporter.h"

#include "shell/Log.h"

#include <QCoreApplication>

namespace veldra::shell
{

void DesktopReporter::MsgBox(const QString &text, desktop::MsgBoxStyle style, const QString &title)
{
    qCDebug(lcShell) << "message box:" << title << text;
    desktop::MsgBox(text, style, title);
}

QString ConnectionErrorText(const QString &description)
{
    return QCoreApplication::translate("Form1", "Error while connecting to server using HTTP protocol: %1\r\n"
                                                "Please check your proxy settings...")
        .arg(description);
}

QString ErrorTitle(const QString &appName)
{
    return QCoreApplication::translate("Form1", "%1 - Error").arg(appName);
}

} // namespace veldra::shell
