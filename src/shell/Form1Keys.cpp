// The main window's keyboard: the tree, the result list, finding and zooming.
#include "richtext/RichTextBox.h"
#include "richtext/TextZoom.h"
#include "shell/FindBar.h"
#include "shell/Form1.h"

#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>

namespace veldra::shell
{

namespace
{

bool IsActivationKey(const QKeyEvent *key)
{
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    return mods == Qt::NoModifier &&
           (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Space);
}

} // namespace

bool Form1::TreeKey(QEvent *event)
{
    // Enter and Space act on the selected node as a click does: they open
    // the proxy dialog or the about box, which moving the selection does not.
    if (event->type() != QEvent::KeyPress || !IsActivationKey(static_cast<QKeyEvent *>(event)))
        return false;
    if (QTreeWidgetItem *node = TV->currentItem())
        TV_NodeClick(node);
    return true;
}

bool Form1::ResultListKey(QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        // Coming to the list by keyboard selects a result, so that Enter reads
        // it at once; the arrows then move on from there.
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason) &&
            lstResults->selectedItems().isEmpty() && lstResults->topLevelItemCount() > 0) {
            QTreeWidgetItem *item = lstResults->currentItem() ? lstResults->currentItem() : lstResults->topLevelItem(0);
            lstResults->setCurrentItem(item);
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    if (cmdRead->isEnabled())
        cmdRead_Click();
    return true;
}

FindBar *Form1::VisibleFindBar() const
{
    if (frameNews->isVisible())
        return m_newsFind;
    if (frameReader->isVisible())
        return m_readerFind;
    return nullptr;
}

richtext::TextZoom *Form1::VisibleZoom() const
{
    if (frameNews->isVisible())
        return m_newsZoom;
    if (frameReader->isVisible())
        return m_readerZoom;
    return nullptr;
}

void Form1::ConnectKeys()
{
    const auto onKeys = [this](const QList<QKeySequence> &keys, auto action) {
        for (const QKeySequence &k : keys)
            connect(new QShortcut(k, this), &QShortcut::activated, this, action);
    };
    onKeys({QKeySequence::Find}, [this] {
        if (FindBar *bar = VisibleFindBar()) {
            bar->open();
        } else if (frameSearchOnline->isVisible()) {
            txtSearchText->setFocus(Qt::ShortcutFocusReason);
            txtSearchText->selectAll();
        }
    });
    onKeys({QKeySequence::FindNext}, [this] {
        if (FindBar *bar = VisibleFindBar(); bar && !bar->isHidden())
            bar->findNext();
    });
    onKeys({QKeySequence::FindPrevious}, [this] {
        if (FindBar *bar = VisibleFindBar(); bar && !bar->isHidden())
            bar->findPrevious();
    });
    // Ctrl+= is Ctrl++ without the Shift key that "+" needs on many keyboards.
    onKeys({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, [this] {
        if (richtext::TextZoom *zoom = VisibleZoom())
            zoom->zoomIn();
    });
    onKeys({QKeySequence::ZoomOut}, [this] {
        if (richtext::TextZoom *zoom = VisibleZoom())
            zoom->zoomOut();
    });
    onKeys({QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] {
        if (richtext::TextZoom *zoom = VisibleZoom())
            zoom->reset();
    });
}

} // namespace veldra::shell
