#pragma once

#include <QElapsedTimer>
#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTimer>

class QWidget;

namespace veldra::shell
{

// Puts a window's frame where it was wanted once the window manager has
// framed it. A window placed before it is shown can only guess its title bar
// and borders, and window managers differ in how they read the place of a
// window they have not framed yet; a wrong guess would move the window a
// little on every start, or let its frame hang over the screen's edge. For a
// short while after the window shows, whenever its decorations turn out other
// than those it had before, it is placed again with the real ones. A window
// manager still busy framing it may answer that with an older place, so a
// moment later the window is placed once more unless it was moved meanwhile.
// The user's own moves leave the decorations as they are and are not undone.
class FrameSettler : public QObject
{
    Q_OBJECT
public:
    // `frameTopLeft` and `client` are what was wanted, `available` the
    // screen's free area. The settler lives as a child of `window`; a second
    // call replaces it.
    static void Watch(QWidget *window, const QPoint &frameTopLeft, const QSize &client, const QRect &available);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FrameSettler(QWidget *window, const QPoint &frameTopLeft, const QSize &client, const QRect &available);
    void check();
    void Place(const QRect &client);

    QWidget *m_window;
    QPoint m_frameTopLeft;
    QSize m_client;
    QMargins m_seen;       // the decorations at the last look
    bool m_looked = false; // whether the shown window was looked at yet
    QRect m_placed;        // where the window was put last, while it is to be put there once more
    qint64 m_checkAt = 0;  // when (time since the window showed)
    QRect m_available;
    QTimer m_poll;         // the frame may come without any event of the window's
    QElapsedTimer m_shown; // how long the window has been on the screen
};

} // namespace veldra::shell
