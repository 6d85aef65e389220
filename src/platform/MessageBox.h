#pragma once

#include <QString>

namespace veldra::platform
{

// Message box styles, with the numbers the desktop gives them: OK alone,
// critical error, exclamation.
enum class MsgBoxStyle { Plain = 0, Critical = 16, Exclamation = 48 };

// The title a box shows: its own, or the application's title "Veldra" when it
// has none.
QString ShownTitle(const QString &title);

// Shows a modal message box with an OK button over the active window and
// returns when it is closed. A box without a title of its own shows the
// application's title, "Veldra".
void MsgBox(const QString &text, MsgBoxStyle style = MsgBoxStyle::Plain, const QString &title = QString());

} // namespace veldra::platform
