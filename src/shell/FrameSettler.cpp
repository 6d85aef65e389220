#include "shell/FrameSettler.h"

#include "shell/Log.h"
#include "shell/WindowPlacement.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace veldra::shell
{

namespace
{

// Window managers frame a new window within a few frames of drawing; one that
// is slow under load still does within this time.
constexpr int kSettleMs = 5000;
constexpr int kPollMs = 50;
// How long after placing the window it is placed once more: long enough for
// the window manager to answer, too short for a drag.
constexpr int kCheckAfterMs = 300;

} // namespace

void FrameSettler::Watch(QWidget *window, const QPoint &frameTopLeft, const QSize &client, const QRect &available)
{
    for (FrameSettler *old : window->findChildren<FrameSettler *>(QString(), Qt::FindDirectChildrenOnly))
        delete old;
    new FrameSettler(window, frameTopLeft, client, available);
}

FrameSettler::FrameSettler(QWidget *window, const QPoint &frameTopLeft, const QSize &client, const QRect &available)
    : QObject(window)
    , m_window(window)
    , m_frameTopLeft(frameTopLeft)
    , m_client(client)
    , m_available(available)
{
    m_poll.setInterval(kPollMs);
    connect(&m_poll, &QTimer::timeout, this, &FrameSettler::check);
    window->installEventFilter(this);
    if (window->isVisible()) {
        m_shown.start();
        m_poll.start();
        check();
    }
}

bool FrameSettler::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::Show:
        if (!m_shown.isValid()) {
            m_shown.start();
            m_poll.start();
            check();
        }
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (m_shown.isValid())
            check();
        break;
    default:
        break;
    }
    return false;
}

void FrameSettler::check()
{
    if (m_shown.elapsed() > kSettleMs) {
        deleteLater();
        m_poll.stop();
        return;
    }
    if (m_window->isMinimized())
        return;
    const QMargins real = Decorations(m_window->frameGeometry(), m_window->geometry());
    if (m_looked && real == m_seen) {
        if (m_placed.isNull() || m_shown.elapsed() < m_checkAt)
            return;
        // Once more, unless the window has been moved since: a window manager
        // that was still framing the window may have put it by an older
        // request, without a word of it to Qt, whose own idea of the place
        // then stays the one requested.
        if (m_window->geometry() == m_placed)
            Place(m_placed);
        m_placed = QRect();
        return;
    }
    m_looked = true;
    m_seen = real;
    const QRect client = ClientPlace(m_frameTopLeft, m_client, real, m_available);
    m_placed = client;
    m_checkAt = m_shown.elapsed() + kCheckAfterMs;
    qCDebug(lcShell) << "the window manager's frame is" << real << "- the window goes to" << client;
    Place(client);
}

void FrameSettler::Place(const QRect &client)
{
    // The client area's own place: window managers agree on where that is,
    // while a frame's place depends on how each reads the window's gravity.
    // Where Qt believes the window is there already it would ask for nothing,
    // so it asks for a pixel beside first.
    QWindow *handle = m_window->windowHandle();
    if (!handle) {
        m_window->setGeometry(client);
        return;
    }
    if (handle->geometry() == client)
        handle->setGeometry(client.translated(1, 0));
    handle->setGeometry(client);
}

} // namespace veldra::shell
