#include "shell/WindowPlacement.h"

#include "settings/SettingsStore.h"
#include "shell/FrameSettler.h"
#include "shell/Log.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include <optional>

namespace veldra::shell
{

namespace
{

const QString kLeft = QStringLiteral("Left");
const QString kTop = QStringLiteral("Top");
const QString kWidth = QStringLiteral("Width");
const QString kHeight = QStringLiteral("Height");

// The window manager's title bar and borders, which a window that has not
// been shown yet cannot know.
QMargins DecorationGuess(const QWidget *window)
{
    if (!window->isWindow())
        return {};
    if (window->isVisible())
        return Decorations(window->frameGeometry(), window->geometry());
    if (window->testAttribute(Qt::WA_WState_Created))
        return {};
    const int title = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    return QMargins(4, title + 4, 4, 4);
}

// The screen's free area in whole pixels of the device: at a fractional scale
// its last logical pixel may lie partly beyond the screen's edge.
QRect UsableArea(const QScreen *screen)
{
    QRect area = screen->availableGeometry();
    const qreal dpr = screen->devicePixelRatio();
    if (!qFuzzyCompare(dpr, qreal(qRound(dpr))))
        area.adjust(0, 0, -1, -1);
    return area;
}

std::optional<QRect> StoredPlace(const QString &appName)
{
    int values[4];
    const QString keys[4] = {kLeft, kTop, kWidth, kHeight};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = settings::GetSetting(appName, PlacementSection(), keys[i]).toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    const QRect place(values[0], values[1], values[2], values[3]);
    if (place.width() <= 0 || place.height() <= 0)
        return std::nullopt;
    return place;
}

} // namespace

QString PlacementSection()
{
    return QStringLiteral("Main_Window");
}

QSize ClientRoom(const QWidget *window, const QPoint &pos)
{
    const QScreen *screen = QGuiApplication::screenAt(pos);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return window->size();
    return UsableArea(screen).size().shrunkBy(DecorationGuess(window));
}

QMargins Decorations(const QRect &frame, const QRect &client)
{
    const QMargins m(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                     frame.bottom() - client.bottom());
    // A frame that does not surround its client area is not known yet.
    if (m.left() < 0 || m.top() < 0 || m.right() < 0 || m.bottom() < 0)
        return {};
    return m;
}

QRect ClientPlace(const QPoint &frameTopLeft, const QSize &clientSize, const QMargins &decorations,
                  const QRect &available)
{
    const QRect frame = FitInside(QRect(frameTopLeft, clientSize.grownBy(decorations)), available);
    return frame.marginsRemoved(decorations);
}

QRect FitInside(const QRect &frame, const QRect &available)
{
    if (available.isEmpty())
        return frame;
    QRect r(frame.topLeft(), frame.size().boundedTo(available.size()));
    if (r.right() > available.right())
        r.moveRight(available.right());
    if (r.bottom() > available.bottom())
        r.moveBottom(available.bottom());
    if (r.left() < available.left())
        r.moveLeft(available.left());
    if (r.top() < available.top())
        r.moveTop(available.top());
    return r;
}

void RestorePlacement(QWidget *window, const QString &appName, const QPoint &defaultPos)
{
    const QMargins guess = DecorationGuess(window);
    // The outer rectangle: a window's position is that of its frame, its size
    // that of its client area.
    QRect outer(defaultPos, window->size().grownBy(guess));
    if (const std::optional<QRect> stored = StoredPlace(appName)) {
        // A place whose title bar is on no screen (one that is gone now) counts
        // as none.
        const QRect storedOuter(stored->topLeft(), stored->size().grownBy(guess));
        const QPoint titleBar = storedOuter.topLeft() + QPoint(qMin(50, storedOuter.width() / 2), guess.top() / 2);
        if (QGuiApplication::screenAt(titleBar))
            outer = storedOuter;
    }
    const QPoint wantedTopLeft = outer.topLeft();
    const QSize wantedClient = outer.size().shrunkBy(guess).expandedTo(window->minimumSize());
    const QScreen *screen = QGuiApplication::screenAt(outer.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? UsableArea(screen) : QRect();
    outer = FitInside(outer, available);
    window->resize(outer.size().shrunkBy(guess).expandedTo(window->minimumSize()));
    window->move(outer.topLeft());
    // The guess is mended once the window manager has framed the window.
    FrameSettler::Watch(window, wantedTopLeft, wantedClient, available);
    qCDebug(lcShell) << "window placed at" << window->pos() << window->size();
}

void SavePlacement(const QWidget *window, const QString &appName)
{
    if (window->isMinimized())
        return;
    // The frame's corner, which is where the user sees the window; the client
    // area's size, which the window manager's frame does not change.
    const QPoint pos = window->frameGeometry().topLeft();
    const QSize size = window->size();
    const std::pair<QString, int> values[] = {
        {kLeft, pos.x()}, {kTop, pos.y()}, {kWidth, size.width()}, {kHeight, size.height()}};
    for (const auto &[key, value] : values)
        if (const Status saved = settings::SaveSetting(appName, PlacementSection(), key, QString::number(value));
            !saved)
            qCWarning(lcShell) << "cannot remember the window's place:" << saved.error();
}

} // namespace veldra::shell
