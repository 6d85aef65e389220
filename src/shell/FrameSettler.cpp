#include "shell/FrameSettler.h"

#include "shell/Log.h"
#include "shell/WindowPlacement.h"

#include <QEvent>
#include <QWidget>

namespace veldra::shell
{

namespace
{

// Window managers frame a new window within a few frames of drawing; one that
// is slow under load still does within this time.
constexpr int kSettleMs = 5000;
constexpr int kPollMs = 50;

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
    const QMargins real = Decorations(m_window->frameGeometry(), m_window->geometry());
    if ((m_looked && real == m_seen) || m_window->isMinimized())
        return;
    m_looked = true;
    m_seen = real;
    const QRect client = ClientPlace(m_frameTopLeft, m_client, real, m_available);
    if (client == m_window->geometry())
        return;
    qCDebug(lcShell) << "the window manager's frame is" << real << "- the window goes to" << client;
    // The client area's own place: window managers agree on where that is,
    // while a frame's place depends on how each reads the window's gravity.
    m_window->setGeometry(client);
}

} // namespace veldra::shell
