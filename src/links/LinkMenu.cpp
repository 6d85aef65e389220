#include "links/LinkMenu.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>

namespace veldra::links
{

void AddCopyLinkAddress(QMenu *menu, const QString &address)
{
    if (!menu || address.isEmpty())
        return;
    QAction *first = menu->actions().value(0);
    auto *copy = new QAction(QCoreApplication::translate("links", "Copy Link Address"), menu);
    copy->setObjectName(QStringLiteral("copyLinkAddress"));
    QObject::connect(copy, &QAction::triggered, menu,
                     [address] { QGuiApplication::clipboard()->setText(address, QClipboard::Clipboard); });
    menu->insertAction(first, copy);
    if (first)
        menu->insertSeparator(first);
}

} // namespace veldra::links
