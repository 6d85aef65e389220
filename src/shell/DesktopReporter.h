#pragma once

#include "platform/Reporter.h"

namespace veldra::shell
{

// Tells the user in message boxes.
class DesktopReporter : public platform::Reporter
{
public:
    void MsgBox(const QString &text, platform::MsgBoxStyle style, const QString &title) override;
};

// The message of a failed download: the failure's description between the
// program's fixed lines.
QString ConnectionErrorText(const QString &description);

} // namespace veldra::shell
