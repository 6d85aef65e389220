#pragma once

// Opens a widget's context menu as a right click does and reads it while it
// is up.

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>

namespace testsupport
{

// The object names of the menu's entries at `at` (viewport pixels of `viewport`);
// the entry named `choose`, if any, is chosen, and the menu closes either way.
inline QStringList ContextMenuEntries(QWidget *viewport, const QPoint &at, const QString &choose = QString())
{
    QStringList names;
    // The menu runs its own loop; a timer inside it reads and closes it.
    QTimer::singleShot(0, viewport, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        QAction *chosen = nullptr;
        for (QAction *a : menu->actions()) {
            names << a->objectName();
            if (!choose.isEmpty() && a->objectName() == choose)
                chosen = a;
        }
        if (chosen)
            chosen->trigger();
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
    QApplication::sendEvent(viewport, &event);
    return names;
}

} // namespace testsupport
