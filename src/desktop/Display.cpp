#include "desktop/Display.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

namespace veldra::desktop
{

namespace
{

bool HasX11(const QString &displayOption, const QProcessEnvironment &env)
{
    return !displayOption.isEmpty() || !env.value(QStringLiteral("DISPLAY")).isEmpty();
}

bool HasWayland(const QProcessEnvironment &env)
{
    if (!env.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty() ||
        !env.value(QStringLiteral("WAYLAND_SOCKET")).isEmpty())
        return true;
    // Without a name, a compositor is looked for under its default name.
    const QString runtime = env.value(QStringLiteral("XDG_RUNTIME_DIR"));
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/wayland-0"));
}

} // namespace

QString MissingDisplay(const QString &platformOption, const QString &displayOption,
                       const QProcessEnvironment &environment)
{
    const QString platforms =
        platformOption.isEmpty() ? environment.value(QStringLiteral("QT_QPA_PLATFORM")) : platformOption;
    if (platforms.trimmed().isEmpty()) {
        if (HasX11(displayOption, environment) || HasWayland(environment))
            return QString();
        return QCoreApplication::translate("desktop", "neither DISPLAY nor WAYLAND_DISPLAY is set");
    }
    // A list such as "wayland;xcb" is tried in order; one that can work is enough.
    // Platforms that draw elsewhere (offscreen, minimal, vnc, eglfs...) need no
    // display variable at all.
    QStringList wanted;
    for (const QString &entry : platforms.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = entry.section(QLatin1Char(':'), 0, 0).trimmed().toLower();
        if (name == QLatin1String("xcb")) {
            if (HasX11(displayOption, environment))
                return QString();
            wanted << QStringLiteral("DISPLAY");
        } else if (name.startsWith(QLatin1String("wayland"))) {
            if (HasWayland(environment))
                return QString();
            wanted << QStringLiteral("WAYLAND_DISPLAY");
        } else if (!name.isEmpty()) {
            return QString();
        }
    }
    if (wanted.isEmpty())
        return QString();
    wanted.removeDuplicates();
    return QCoreApplication::translate("desktop", "the platform \"%1\" needs %2, which is not set")
        .arg(platforms, wanted.join(QStringLiteral(" or ")));
}

} // namespace veldra::desktop
