// The bookmarks and the reading history of the reader's tools.
#include "settings/Module1.h"
#include "shell/Log.h"
#include "shell/ReaderTools.h"
#include "shell/StoreHandle.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>

namespace veldra::shell
{

QString ReaderTools::storedName(const QString &path) const
{
    if (!m_state.AppDir.isEmpty() && path.startsWith(m_state.AppDir))
        return path.mid(m_state.AppDir.size());
    return QFileInfo(path).fileName();
}

void ReaderTools::documentRead(const QString &path)
{
    m_trail.read(path);
    showStatus(QString());
    m_store.recordRead(storedName(path), m_ui.txtSubject->text(), QDateTime::currentDateTimeUtc(),
                       [window = QPointer<BookmarksWindow>(bookmarksWindow())](const Status &recorded) {
                           if (!recorded)
                               qCWarning(lcShell) << "the read is not in the history:" << recorded.error();
                           if (window)
                               window->refresh();
                       });
}

void ReaderTools::toggleBookmark()
{
    if (m_state.FaqFile.isEmpty()) {
        showStatus(QCoreApplication::translate("ReaderTools", "There is no document to bookmark."));
        return;
    }
    const QString subject = m_ui.txtSubject->text();
    const QString shown = subject.trimmed().isEmpty() ? storedName(m_state.FaqFile) : subject;
    m_store.toggleBookmark(
        storedName(m_state.FaqFile), subject, QDateTime::currentDateTimeUtc(),
        [this, shown, window = QPointer<BookmarksWindow>(bookmarksWindow())](const Result<bool> &now) {
            if (!now)
                showStatus(QCoreApplication::translate("ReaderTools", "The bookmark could not be changed: %1")
                               .arg(now.error()));
            else
                showStatus(now.value() ? QCoreApplication::translate("ReaderTools", "Bookmarked: %1").arg(shown)
                                       : QCoreApplication::translate("ReaderTools", "Bookmark removed: %1").arg(shown));
            if (window)
                window->refresh();
        });
}

void ReaderTools::showBookmarks()
{
    const bool existed = bookmarksWindow() != nullptr;
    BookmarksWindow &window =
        m_bookmarksWindow.get([this] { return new BookmarksWindow(m_store, m_read, m_ui.window); });
    if (existed)
        window.refresh();
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace veldra::shell
