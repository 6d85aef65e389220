#pragma once

#include <QCursor>
#include <QString>

class QWidget;

namespace platform
{

// Pointer kinds as the program numbers them.
enum PointerKind { PointerDefault = 0, PointerArrow = 1, PointerCustom = 99 };

// Reads a Windows cursor file (.cur) into a pointer with the file's hot spot.
// Returns false, leaving `cursor` alone, when the file is missing or is not a
// picture Qt can read.
bool LoadCursorFile(const QString &path, QCursor *cursor);

// The pointer shown over one control. The program's "application-wide" pointer
// is set here on the control under the mouse rather than as a global override:
// an override would hide every other control's own pointer, such as the hand
// over a link in the reader body, until something reset it.
// Kind 0 gives the control back the pointer it inherits.
void SetControlPointer(QWidget *control, int kind, const QCursor &custom = QCursor());

} // namespace platform
