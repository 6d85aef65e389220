#pragma once

#include "store/ReadingEntry.h"
#include "text/Result.h"

#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace veldra::shell
{

class StoreHandle;

// The window "Bookmarks and history": the bookmarks and the documents read
// lately, each with its subject and when, as the library store keeps them for
// the user. Enter or a double-click opens the chosen one, Delete removes it
// from its list. Created on first use, at most one, gone when closed.
class BookmarksWindow : public QWidget
{
    Q_OBJECT
public:
    // `open` reads the document of a file name, as Read does.
    BookmarksWindow(StoreHandle &store, std::function<void(const QString &fileName)> open, QWidget *owner);

    // Asks the store for both lists again; they fill when it answers.
    void refresh();

    // The item roles of the lists: the document's file name.
    static constexpr int kFileNameRole = Qt::UserRole + 1;

signals:
    void unloaded();
    // Both lists were filled from the store's answers.
    void refreshed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fill(QTreeWidget *list, const Result<QList<store::ReadingEntry>> &entries);
    QTreeWidget *chosenList() const;
    void openChosen(QTreeWidget *list);
    void removeChosen(QTreeWidget *list);

    StoreHandle &m_store;
    std::function<void(const QString &)> m_open;
    QTreeWidget *m_bookmarks;
    QTreeWidget *m_history;
    QLabel *m_note;
    QPushButton *m_openButton, *m_removeButton, *m_closeButton;
    QTreeWidget *m_lastList = nullptr; // the list the keyboard or mouse was in last
    int m_pending = 0;                 // answers still to come
};

} // namespace veldra::shell
