#include "shell/BookmarksWindow.h"

#include "shell/Log.h"
#include "shell/StoreHandle.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace veldra::shell
{

namespace
{

QTreeWidget *MakeList(QWidget *parent, const char *name, const QString &accessibleName, const QString &description,
                      const QString &whenHeading)
{
    auto *list = new QTreeWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setAccessibleName(accessibleName);
    list->setAccessibleDescription(description);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setHeaderLabels({QCoreApplication::translate("BookmarksWindow", "Subject"), whenHeading});
    list->header()->setStretchLastSection(false);
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    return list;
}

QLabel *Caption(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

BookmarksWindow::BookmarksWindow(StoreHandle &store, std::function<void(const QString &)> open, QWidget *owner)
    : QWidget(owner, Qt::Window)
    , m_store(store)
    , m_open(std::move(open))
{
    setObjectName(QStringLiteral("BookmarksWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QCoreApplication::translate("BookmarksWindow", "Bookmarks and history"));
    m_bookmarks =
        MakeList(this, "lstBookmarks", QCoreApplication::translate("BookmarksWindow", "Bookmarks"),
                 QCoreApplication::translate(
                     "BookmarksWindow", "Bookmarked documents, the latest first; Enter or a double-click reads one, "
                                        "Delete removes its bookmark"),
                 QCoreApplication::translate("BookmarksWindow", "Added"));
    m_history = MakeList(
        this, "lstHistory", QCoreApplication::translate("BookmarksWindow", "Recently read"),
        QCoreApplication::translate("BookmarksWindow",
                                    "Documents read lately, the latest first; Enter or a double-click reads one again, "
                                    "Delete removes it from the history"),
        QCoreApplication::translate("BookmarksWindow", "Read"));
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("lblNote"));
    m_note->setWordWrap(true);
    m_note->setAccessibleDescription(
        QCoreApplication::translate("BookmarksWindow", "Why the lists are empty, when they cannot be read"));
    auto *buttons = new QDialogButtonBox(this);
    m_openButton =
        buttons->addButton(QCoreApplication::translate("BookmarksWindow", "&Open"), QDialogButtonBox::ActionRole);
    m_removeButton =
        buttons->addButton(QCoreApplication::translate("BookmarksWindow", "Re&move"), QDialogButtonBox::ActionRole);
    m_closeButton = buttons->addButton(QDialogButtonBox::Close);
    m_openButton->setObjectName(QStringLiteral("cmdOpen"));
    m_removeButton->setObjectName(QStringLiteral("cmdRemove"));
    m_closeButton->setObjectName(QStringLiteral("cmdClose"));
    m_openButton->setAccessibleDescription(
        QCoreApplication::translate("BookmarksWindow", "Reads the chosen document, as Read does"));
    m_removeButton->setAccessibleDescription(
        QCoreApplication::translate("BookmarksWindow", "Removes the chosen document from its list"));
    m_closeButton->setAccessibleDescription(QCoreApplication::translate("BookmarksWindow", "Closes this window"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Caption(QCoreApplication::translate("BookmarksWindow", "&Bookmarks:"), m_bookmarks, this));
    layout->addWidget(m_bookmarks, 1);
    layout->addWidget(Caption(QCoreApplication::translate("BookmarksWindow", "Recently &read:"), m_history, this));
    layout->addWidget(m_history, 2);
    layout->addWidget(m_note);
    layout->addWidget(buttons);
    // Room for a long subject and its date in the user's font.
    const QFontMetrics metrics = fontMetrics();
    resize(metrics.averageCharWidth() * 80, metrics.lineSpacing() * 30);

    for (QTreeWidget *list : {m_bookmarks, m_history}) {
        list->installEventFilter(this);
        connect(list, &QTreeWidget::itemActivated, this, [this, list] { openChosen(list); });
    }
    connect(m_openButton, &QPushButton::clicked, this, [this] { openChosen(chosenList()); });
    connect(m_removeButton, &QPushButton::clicked, this, [this] { removeChosen(chosenList()); });
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
    refresh();
}

void BookmarksWindow::refresh()
{
    m_pending = 2;
    const auto answered = [this](QTreeWidget *list) {
        return [this, list](Result<QList<store::ReadingEntry>> entries) {
            fill(list, entries);
            if (--m_pending == 0)
                emit refreshed();
        };
    };
    m_store.post([](store::LibraryStore &s) { return s.bookmarks(); },
                 StoreHandle::Done<Result<QList<store::ReadingEntry>>>(answered(m_bookmarks)), this);
    m_store.post([](store::LibraryStore &s) { return s.recentReads(); },
                 StoreHandle::Done<Result<QList<store::ReadingEntry>>>(answered(m_history)), this);
}

void BookmarksWindow::fill(QTreeWidget *list, const Result<QList<store::ReadingEntry>> &entries)
{
    const QString chosen = list->currentItem() ? list->currentItem()->data(0, kFileNameRole).toString() : QString();
    list->clear();
    if (!entries) {
        qCWarning(lcShell) << "the bookmarks and history cannot be read:" << entries.error();
        m_note->setText(QCoreApplication::translate("BookmarksWindow", "The bookmarks and history cannot be shown: %1")
                            .arg(entries.error()));
        return;
    }
    const QLocale locale;
    for (const store::ReadingEntry &entry : entries.value()) {
        const QString subject = entry.subject.isEmpty() ? entry.fileName : entry.subject;
        auto *item =
            new QTreeWidgetItem(list, {subject, locale.toString(entry.when.toLocalTime(), QLocale::ShortFormat)});
        item->setData(0, kFileNameRole, entry.fileName);
        item->setToolTip(0, entry.fileName);
        if (entry.fileName == chosen)
            list->setCurrentItem(item);
    }
    if (!list->currentItem() && list->topLevelItemCount() > 0)
        list->setCurrentItem(list->topLevelItem(0));
}

QTreeWidget *BookmarksWindow::chosenList() const
{
    // The buttons take the focus when clicked; the list used last is meant.
    return m_lastList ? m_lastList : m_bookmarks;
}

void BookmarksWindow::openChosen(QTreeWidget *list)
{
    m_lastList = list;
    const QTreeWidgetItem *item = list->currentItem();
    if (!item)
        return;
    const QString fileName = item->data(0, kFileNameRole).toString();
    qCDebug(lcShell) << "opening" << fileName << "from the bookmarks and history";
    m_open(fileName);
}

void BookmarksWindow::removeChosen(QTreeWidget *list)
{
    m_lastList = list;
    const QTreeWidgetItem *item = list->currentItem();
    if (!item)
        return;
    const QString fileName = item->data(0, kFileNameRole).toString();
    if (list == m_bookmarks)
        m_store.removeBookmark(fileName);
    else
        m_store.removeRead(fileName);
    refresh();
}

bool BookmarksWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && (watched == m_bookmarks || watched == m_history))
        m_lastList = static_cast<QTreeWidget *>(watched);
    if (event->type() == QEvent::KeyPress && (watched == m_bookmarks || watched == m_history)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            removeChosen(static_cast<QTreeWidget *>(watched));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void BookmarksWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void BookmarksWindow::closeEvent(QCloseEvent *event)
{
    emit unloaded();
    QWidget::closeEvent(event);
}

} // namespace veldra::shell
