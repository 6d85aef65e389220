#include "desktop/ShellOpen.h"

#include "desktop/Log.h"
#include "document/LinkTarget.h"

#include <QDesktopServices>

namespace veldra::desktop
{

QUrl ShellOpenUrl(const QString &target)
{
    return document::SafeLinkUrl(target);
}

void ShellOpen(const QString &target)
{
    const QUrl url = ShellOpenUrl(target);
    if (url.isEmpty()) {
        qCDebug(lcDesktop) << "refused to open" << target;
        return;
    }
    if (!QDesktopServices::openUrl(url))
        qCWarning(lcDesktop) << "the desktop could not open" << url.toDisplayString();
}

void OpenWith(const Opener &opener, const QString &target)
{
    if (opener)
        opener(ShellOpenCall{target, ShellOpenUrl(target)});
    else
        ShellOpen(target);
}

} // namespace veldra::desktop
