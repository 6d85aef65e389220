#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace platform {

// Message box styles as the program uses them: 0 plain OK, 16 critical, 48 warning.
enum MsgBoxStyle { MsgPlain = 0, MsgCritical = 16, MsgExclamation = 48 };

// Every message box of the program goes through here. A box without a title of
// its own shows the application's title, "Veldra".
void MsgBox(const QString &text, int style = MsgPlain, const QString &title = QString());

// Lets a test record the boxes instead of blocking on them. Passing an empty
// function restores the real boxes.
struct MsgBoxCall {
    QString text;
    int style;
    QString title;
};
using MsgBoxHook = std::function<void(const MsgBoxCall &)>;
void SetMsgBoxHook(MsgBoxHook hook);

} // namespace platform
