#pragma once

#include <QString>

class QMenu;

namespace veldra::links
{

// Puts "Copy Link Address" at the top of a body's context menu when the menu
// is about a link; choosing it puts `address`, as a click would open it, on
// the clipboard. An empty address adds nothing.
void AddCopyLinkAddress(QMenu *menu, const QString &address);

} // namespace veldra::links
