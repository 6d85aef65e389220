// The main window's command keys: to the search box, reading the shown
// document again, and quitting.
#include "shell/Form1.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>

namespace veldra::shell
{

void Form1::ConnectCommandKeys()
{
    const auto onKey = [this](const QKeySequence &key, auto action) {
        auto *shortcut = new QShortcut(key, this);
        shortcut->setObjectName(QLatin1String("shortcut ") + key.toString(QKeySequence::PortableText));
        connect(shortcut, &QShortcut::activated, this, action);
    };
    // Ctrl+L as in a browser's address bar, Ctrl+K as in its search box.
    for (const QKeySequence &key : {QKeySequence(Qt::CTRL | Qt::Key_L), QKeySequence(Qt::CTRL | Qt::Key_K)})
        onKey(key, [this] { ShowSearchBox(); });
    onKey(QKeySequence(Qt::Key_F5), [this] { ReadAgain(); });
    // The close button's way out: the shutdown runs as it does for it.
    onKey(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); });
}

bool Form1::SearchBoxLeavesKeyToShortcut(QObject *watched, QEvent *event) const
{
    // The search box reads Ctrl+K as "delete to the end of the line", which
    // would hide the key from its shortcut; the box is where it leads anyway.
    if (watched != txtSearchText || event->type() != QEvent::ShortcutOverride)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    return key->key() == Qt::Key_K && (key->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

void Form1::ShowSearchBox()
{
    if (!frameSearchOnline->isVisible())
        SelectNode(TVNode(3));
    txtSearchText->setFocus(Qt::ShortcutFocusReason);
    txtSearchText->selectAll();
}

void Form1::ReadAgain()
{
    // Only the document on view, and only one Read at a time.
    if (frameReader->isVisible() && !m_reading && !m_readFile.isEmpty())
        ReadDocument(m_readFile);
}

} // namespace veldra::shell
