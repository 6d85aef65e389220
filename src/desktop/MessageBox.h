#pragma once

#include <QString>

#include <memory>

class QMessageBox;
class QWidget;

namespace veldra::desktop
{

// Message box styles, with the numbers the desktop gives them: OK alone,
// critical error, exclamation.
enum class MsgBoxStyle { Plain = 0, Critical = 16, Exclamation = 48 };

// The title a box shows: its own, or the application's title "Veldra" when it
// has none.
QString ShownTitle(const QString &title);

// The most characters a box shows. A description may quote what a server or a
// setting holds, which can be of any length; beyond this it is cut and ends in
// "…", so that the box always fits the screen.
constexpr qsizetype kMaxMessageLength = 500;
QString ElidedMessageText(const QString &text);

// The box MsgBox shows, with an OK button, not yet shown.
std::unique_ptr<QMessageBox> MakeMsgBox(const QString &text, MsgBoxStyle style, const QString &title, QWidget *parent);

// Shows a modal message box with an OK button over the active window and
// returns when it is closed. A box without a title of its own shows the
// application's title, "Veldra".
void MsgBox(const QString &text, MsgBoxStyle style = MsgBoxStyle::Plain, const QString &title = QString());

} // namespace veldra::desktop
