#include "desktop/ShellOpen.h"

#include "desktop/Log.h"
#include "document/LinkTarget.h"

#include <QDesktopServices>

namespace veldra::desktop
{

namespace
{

ShellOpenHook &hook()
{
    static ShellOpenHook h;
    return h;
}

} // namespace

QUrl ShellOpenUrl(const QString &target)
{
    return document::SafeLinkUrl(target);
}

void ShellOpen(const QString &target)
{
    const QUrl url = ShellOpenUrl(target);
    if (hook()) {
        hook()(ShellOpenCall{target, url});
        return;
    }
    if (url.isEmpty()) {
        qCDebug(lcDesktop) << "refused to open" << target;
        return;
    }
    if (!QDesktopServices::openUrl(url))
        qCWarning(lcDesktop) << "the desktop could not open" << url.toDisplayString();
}

void SetShellOpenHook(ShellOpenHook h)
{
    hook() = std::move(h);
}

} // namespace veldra::desktop
