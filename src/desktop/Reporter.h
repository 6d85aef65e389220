#pragma once

#include "desktop/MessageBox.h"

#include <QString>

namespace veldra::desktop
{

// Where the windows send what the user must be told. The shell's reporter shows
// message boxes; a test's records them.
class Reporter
{
public:
    virtual ~Reporter() = default;
    virtual void MsgBox(const QString &text, MsgBoxStyle style = MsgBoxStyle::Plain,
                        const QString &title = QString()) = 0;
};

} // namespace veldra::desktop
