#pragma once

#include "desktop/Reporter.h"

namespace veldra::shell
{

// Tells the user in message boxes.
class DesktopReporter : public desktop::Reporter
{
public:
    void MsgBox(const QString &text, desktop::MsgBoxStyle style, const QString &title) override;
};

// The message of a failed download: the failure's description between the
// program's fixed lines.
QString ConnectionErrorText(const QString &description);
// The title of a failure's box: "Veldra - Error".
QString ErrorTitle(const QString &appName);

} // namespace veldra::shell
