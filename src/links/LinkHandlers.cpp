#include "links/LinkHandlers.h"

#include "links/DetectLinkAtPoint.h"
#include "links/HandPointer.h"
#include "links/LinkClass.h"
#include "platform/Pointer.h"
#include "platform/RichTextBox.h"
#include "platform/ShellOpen.h"
#include "platform/Twips.h"
#include "settings/Module1.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QToolTip>

namespace
{

// Tells a click from the end of a selection drag: the left button goes down and
// comes up again within the drag distance. The second press of a double click
// does not start a click, so a double click opens a link once.
class ClickTracker
{
public:
    void press(const QMouseEvent *e)
    {
        m_down = e->button() == Qt::LeftButton;
        m_at = e->position().toPoint();
    }
    void cancel() { m_down = false; }
    bool release(const QMouseEvent *e)
    {
        const bool click = m_down && e->button() == Qt::LeftButton &&
                           (e->position().toPoint() - m_at).manhattanLength() < QApplication::startDragDistance();
        m_down = false;
        return click;
    }

private:
    bool m_down = false;
    QPoint m_at;
};

class ReaderLinkHandlers : public QObject
{
public:
    ReaderLinkHandlers(QWidget *frameReader, platform::RichTextBox *txtFAQ, QLineEdit *txtWebsite, QLineEdit *txtAuthor,
                       QLineEdit *txtSubject, QLineEdit *txtVersion)
        : QObject(frameReader)
        , frameReader(frameReader)
        , txtFAQ(txtFAQ)
        , txtWebsite(txtWebsite)
        , txtAuthor(txtAuthor)
        , txtSubject(txtSubject)
        , txtVersion(txtVersion)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        try {
            Dispatch(watched, event);
        } catch (...) {
            // A failed hover or click must not take the window down.
        }
        return false;
    }

private:
    void Dispatch(QObject *watched, QEvent *event)
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
            type != QEvent::MouseButtonRelease)
            return;
        const auto *mouse = static_cast<const QMouseEvent *>(event);
        ClickTracker *click = nullptr;
        if (txtFAQ && watched == txtFAQ->viewport())
            click = &m_bodyClick;
        else if (txtWebsite && watched == txtWebsite)
            click = &m_websiteClick;

        if (type == QEvent::MouseMove) {
            if (click == &m_bodyClick)
                txtFAQ_MouseMove(mouse);
            else if (click == &m_websiteClick)
                txtWebsite_MouseMove();
            else
                SetArrow(qobject_cast<QWidget *>(watched));
        } else if (!click) {
            return;
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
    }

    void txtFAQ_MouseMove(const QMouseEvent *e)
    {
        const QPointF at = e->position();
        const float tpp = float(platform::kTwipsPerPixel);
        Module1::CurrentLink = DetectLinkAtPoint(*txtFAQ, float(at.x()) * tpp, float(at.y()) * tpp, *txtFAQ);
        // A tooltip already up would keep naming the link the pointer came from.
        if (QToolTip::isVisible() && QToolTip::text() != txtFAQ->toolTip()) {
            if (txtFAQ->toolTip().isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(e->globalPosition().toPoint(), txtFAQ->toolTip(), txtFAQ->viewport());
        }
    }

    void txtFAQ_Click()
    {
        const QString target = LinkActivationTarget(Module1::CurrentLink);
        if (!target.isEmpty())
            platform::ShellOpen(target);
    }

    void txtWebsite_MouseMove()
    {
        if (HoldsWebsite(txtWebsite->text()))
            platform::SetControlPointer(txtWebsite, platform::PointerCustom, LoadHandPointer());
        else
            platform::SetControlPointer(txtWebsite, platform::PointerArrow);
    }

    void txtWebsite_Click()
    {
        if (HoldsWebsite(txtWebsite->text()))
            platform::ShellOpen(txtWebsite->text());
    }

    void SetArrow(QWidget *control) { platform::SetControlPointer(control, platform::PointerArrow); }

    QPointer<QWidget> frameReader;
    QPointer<platform::RichTextBox> txtFAQ;
    QPointer<QLineEdit> txtWebsite, txtAuthor, txtSubject, txtVersion;
    ClickTracker m_bodyClick, m_websiteClick;
};

} // namespace

void InstallLinkHandlers(QWidget *frameReader, platform::RichTextBox *txtFAQ, QLineEdit *txtWebsite,
                         QLineEdit *txtAuthor, QLineEdit *txtSubject, QLineEdit *txtVersion)
{
    auto *handlers = new ReaderLinkHandlers(frameReader, txtFAQ, txtWebsite, txtAuthor, txtSubject, txtVersion);
    txtFAQ->viewport()->setMouseTracking(true);
    txtFAQ->viewport()->installEventFilter(handlers);
    for (QWidget *w : {frameReader, static_cast<QWidget *>(txtWebsite), static_cast<QWidget *>(txtAuthor),
                       static_cast<QWidget *>(txtSubject), static_cast<QWidget *>(txtVersion)}) {
        w->setMouseTracking(true);
        w->installEventFilter(handlers);
    }
}
