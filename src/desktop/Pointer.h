#pragma once

#include <QCursor>
#include <QString>

class QWidget;

namespace veldra::desktop
{

// Pointer kinds, with the numbers the desktop gives them: the control's own
// pointer, the standard arrow, a picture of the program's.
enum class PointerKind { Default = 0, Arrow = 1, Custom = 99 };

// Reads a Windows cursor file (.cur) into a pointer with the file's hot spot.
// Returns false, leaving `cursor` alone, when the file is missing or is not a
// picture Qt can read.
bool LoadCursorFile(const QString &path, QCursor *cursor);

// The pointer shown over one control. The program's "application-wide" pointer
// is set here on the control under the mouse rather than as a global override:
// an override would hide every other control's own pointer, such as the hand
// over a link in the reader body, until something reset it.
// The default kind gives the control back the pointer it inherits.
void SetControlPointer(QWidget *control, PointerKind kind, const QCursor &custom = QCursor());

} // namespace veldra::desktop
