#include "desktop/InputHold.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace veldra::desktop
{

InputHold::InputHold(QWidget *window)
    : m_window(window ? window->window()->windowHandle() : nullptr)
{
    if (m_window)
        QCoreApplication::instance()->installEventFilter(this);
}

InputHold::~InputHold()
{
    QCoreApplication::instance()->removeEventFilter(this);
    if (!m_window)
        return;
    for (std::unique_ptr<QEvent> &event : m_held)
        QCoreApplication::postEvent(m_window, event.release());
}

bool InputHold::eventFilter(QObject *watched, QEvent *event)
{
    // The window system hands input to the window first, which passes it on
    // to its widgets; holding it there holds it for all of them.
    if (watched != m_window || !(event->isInputEvent() || event->type() == QEvent::Close))
        return false;
    m_held.emplace_back(event->clone());
    return true;
}

} // namespace veldra::desktop
