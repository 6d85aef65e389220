#include "links/LinkHandlers.h"

#include "desktop/Pointer.h"
#include "desktop/ShellOpen.h"
#include "desktop/Twips.h"
#include "links/DetectLinkAtPoint.h"
#include "links/HandPointer.h"
#include "links/LinkClass.h"
#include "links/LinkMenu.h"
#include "links/Log.h"
#include "links/WordScan.h"
#include "richtext/RichTextBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QToolTip>

namespace veldra::links
{

using desktop::PointerKind;

void ClickTracker::press(const QMouseEvent *e)
{
    m_down = e->button() == Qt::LeftButton;
    m_at = e->position().toPoint();
}

bool ClickTracker::release(const QMouseEvent *e)
{
    const bool click = m_down && e->button() == Qt::LeftButton &&
                       (e->position().toPoint() - m_at).manhattanLength() < QApplication::startDragDistance();
    m_down = false;
    return click;
}

ReaderLinkHandlers::ReaderLinkHandlers(const ReaderLinkWidgets &widgets, const QString &appDir, desktop::Opener opener)
    : QObject(widgets.frameReader)
    , m_widgets(widgets)
    , m_guard(widgets.frameReader)
    , m_appDir(appDir)
    , m_opener(std::move(opener))
{
    m_widgets.txtFAQ->viewport()->setMouseTracking(true);
    m_widgets.txtFAQ->viewport()->installEventFilter(this);
    for (QWidget *w : {m_widgets.frameReader, static_cast<QWidget *>(m_widgets.txtWebsite),
                       static_cast<QWidget *>(m_widgets.txtAuthor), static_cast<QWidget *>(m_widgets.txtSubject),
                       static_cast<QWidget *>(m_widgets.txtVersion)}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
    richtext::RichTextBox *body = m_widgets.txtFAQ;
    connect(body, &richtext::RichTextBox::contextMenuShowing, this, [body](QMenu *menu, const QPoint &at) {
        AddCopyLinkAddress(menu, LinkActivationTarget(WordAtIndex(*body, body->charFromPos(at))));
    });
}

bool ReaderLinkHandlers::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (!m_guard || (type != QEvent::MouseMove && type != QEvent::MouseButtonPress &&
                     type != QEvent::MouseButtonDblClick && type != QEvent::MouseButtonRelease))
        return false;
    const auto *mouse = static_cast<const QMouseEvent *>(event);
    ClickTracker *click = nullptr;
    if (watched == m_widgets.txtFAQ->viewport())
        click = &m_bodyClick;
    else if (watched == m_widgets.txtWebsite)
        click = &m_websiteClick;

    if (type == QEvent::MouseMove) {
        if (click == &m_bodyClick)
            txtFAQ_MouseMove(mouse);
        else if (click == &m_websiteClick)
            txtWebsite_MouseMove();
        else
            desktop::SetControlPointer(qobject_cast<QWidget *>(watched), PointerKind::Arrow);
    } else if (!click) {
        return false;
    } else if (type == QEvent::MouseButtonPress) {
        click->press(mouse);
    } else if (type == QEvent::MouseButtonDblClick) {
        click->cancel();
    } else if (click->release(mouse)) {
        if (click == &m_bodyClick)
            txtFAQ_Click();
        else
            txtWebsite_Click();
    }
    return false;
}

void ReaderLinkHandlers::txtFAQ_MouseMove(const QMouseEvent *e)
{
    richtext::RichTextBox &txtFAQ = *m_widgets.txtFAQ;
    const QPointF at = e->position();
    const float tpp = float(desktop::kTwipsPerPixel);
    m_currentLink = DetectLinkAtPoint(txtFAQ, float(at.x()) * tpp, float(at.y()) * tpp, txtFAQ, m_appDir);
    // A tooltip already up would keep naming the link the pointer came from.
    if (QToolTip::isVisible() && QToolTip::text() != txtFAQ.toolTip()) {
        if (txtFAQ.toolTip().isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(e->globalPosition().toPoint(), txtFAQ.toolTip(), txtFAQ.viewport());
    }
}

void ReaderLinkHandlers::txtFAQ_Click()
{
    const QString target = LinkActivationTarget(m_currentLink);
    if (!target.isEmpty()) {
        qCDebug(lcLinks) << "open" << target;
        desktop::OpenWith(m_opener, target);
    }
}

void ReaderLinkHandlers::txtWebsite_MouseMove()
{
    QLineEdit *txtWebsite = m_widgets.txtWebsite;
    if (HoldsWebsite(txtWebsite->text()))
        desktop::SetControlPointer(txtWebsite, PointerKind::Custom, LoadHandPointer(m_appDir));
    else
        desktop::SetControlPointer(txtWebsite, PointerKind::Arrow);
}

void ReaderLinkHandlers::txtWebsite_Click()
{
    const QString website = m_widgets.txtWebsite->text();
    if (HoldsWebsite(website)) {
        qCDebug(lcLinks) << "open website" << website;
        desktop::OpenWith(m_opener, website);
    }
}

} // namespace veldra::links
