#include "links/NewsLinkHandlers.h"

#include "desktop/Pointer.h"
#include "desktop/ShellOpen.h"
#include "links/HandPointer.h"
#include "links/LinkClass.h"
#include "links/LinkMenu.h"
#include "links/Log.h"
#include "richtext/RichTextBox.h"

#include <QMenu>
#include <QMouseEvent>
#include <QToolTip>

namespace veldra::links
{

using desktop::PointerKind;

NewsLinkHandlers::NewsLinkHandlers(richtext::RichTextBox *box, const QString &appDir, desktop::Opener opener)
    : QObject(box)
    , m_box(box)
    , m_appDir(appDir)
    , m_opener(std::move(opener))
{
    box->viewport()->setMouseTracking(true);
    box->viewport()->installEventFilter(this);
    connect(box, &richtext::RichTextBox::contextMenuShowing, this, [box](QMenu *menu, const QPoint &at) {
        const QString target = box->anchorAt(at);
        AddCopyLinkAddress(menu, desktop::ShellOpenUrl(target).isEmpty() ? QString() : target);
    });
}

bool NewsLinkHandlers::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_box || watched != m_box->viewport())
        return false;
    switch (event->type()) {
    case QEvent::MouseMove:
        MouseMove(static_cast<const QMouseEvent *>(event));
        break;
    case QEvent::MouseButtonPress:
        m_click.press(static_cast<const QMouseEvent *>(event));
        break;
    case QEvent::MouseButtonDblClick:
        m_click.cancel();
        break;
    case QEvent::MouseButtonRelease:
        if (m_click.release(static_cast<const QMouseEvent *>(event)))
            Click();
        break;
    case QEvent::Leave:
        m_currentLink.clear();
        break;
    default:
        break;
    }
    return false;
}

void NewsLinkHandlers::MouseMove(const QMouseEvent *e)
{
    richtext::RichTextBox &box = *m_box;
    const QString target = box.anchorAt(e->position().toPoint());
    // A link the shell would refuse (a file, a program) is not shown as one.
    m_currentLink = desktop::ShellOpenUrl(target).isEmpty() ? QString() : target;
    if (m_currentLink.isEmpty()) {
        box.setToolTip(QString());
        box.setMousePointer(PointerKind::Default);
    } else {
        box.setMousePointer(PointerKind::Custom, LoadHandPointer(m_appDir));
        box.setToolTip(HyperlinkToolTip(m_currentLink));
    }
    // A tooltip already up would keep naming the link the pointer came from.
    if (QToolTip::isVisible() && QToolTip::text() != box.toolTip()) {
        if (box.toolTip().isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(e->globalPosition().toPoint(), box.toolTip(), box.viewport());
    }
}

void NewsLinkHandlers::Click()
{
    if (m_currentLink.isEmpty())
        return;
    qCDebug(lcLinks) << "open news link" << m_currentLink;
    desktop::OpenWith(m_opener, m_currentLink);
}

} // namespace veldra::links
