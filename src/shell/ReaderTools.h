#pragma once

#include "faq/ReadingTrail.h"
#include "shell/BookmarksWindow.h"
#include "shell/WindowSlot.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QMenu;
class QTextDocument;
class QWidget;

namespace veldra::desktop
{
class Reporter;
}
namespace veldra::richtext
{
class RichTextBox;
}
namespace veldra::settings
{
class Module1;
}

namespace veldra::shell
{

// The main window's controls the reader's tools work on.
struct ReaderToolsUi {
    QWidget *window = nullptr;
    QWidget *frameReader = nullptr;
    QWidget *frameNews = nullptr;
    richtext::RichTextBox *txtFAQ = nullptr;
    richtext::RichTextBox *News = nullptr;
    QLineEdit *txtSubject = nullptr;
    QLineEdit *txtAuthor = nullptr;
    QLineEdit *txtVersion = nullptr;
    QLineEdit *txtWebsite = nullptr;
};

class StoreHandle;

// Going back and forward through the documents read in this session, the
// bookmarks and the reading history, and printing and saving the news or the
// document in the reader: from the keyboard (Alt+Left, Alt+Right, Ctrl+D,
// Ctrl+B, Ctrl+P, Ctrl+S), the mouse's back and forward buttons and the
// bodies' context menus. A short note of what happened stands in the reader
// beside the header, where the layout has room.
class ReaderTools : public QObject
{
    Q_OBJECT
public:
    // `showStored` shows the local copy at a path in the reader, as Read does
    // once its download is done; `read` reads a document by its file name, as
    // Read does.
    ReaderTools(const ReaderToolsUi &ui, settings::Module1 &state, desktop::Reporter &reporter, StoreHandle &store,
                std::function<void(const QString &path)> showStored, std::function<void(const QString &)> read);
    ~ReaderTools() override;

    // The reader now shows a document just read: it joins the trail and the
    // reading history.
    void documentRead(const QString &path);
    void goBack();
    void goForward();

    // The body the user means: the news or the reader's document, whichever
    // panel is on view; none on the search panel.
    richtext::RichTextBox *visibleBody() const;
    // A copy of `body` for printing or saving, the header fields first for the
    // reader's document; none when the reader shows no document.
    std::unique_ptr<QTextDocument> exportCopy(richtext::RichTextBox *body) const;
    void print(richtext::RichTextBox *body);
    void save(richtext::RichTextBox *body);
    // Saves to `path`, in the format its suffix names; false after a failure,
    // which a box reports.
    bool saveTo(richtext::RichTextBox *body, const QString &path);

    // Bookmarks the reader's document, or removes its bookmark; the note says which.
    void toggleBookmark();
    // The window of bookmarks and history, made when there is none.
    void showBookmarks();
    BookmarksWindow *bookmarksWindow() const { return m_bookmarksWindow.existing(); }

    const faq::ReadingTrail &trail() const { return m_trail; }
    // The note in the reader.
    QLabel *statusLabel() const { return m_status; }
    void showStatus(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectKeys();
    void addMenuEntries(richtext::RichTextBox *body, QMenu *menu);
    void showStop(const std::optional<QString> &path);
    QString suggestedName(richtext::RichTextBox *body) const;
    // The store's name of a local copy: its path inside the program folder.
    QString storedName(const QString &path) const;

    ReaderToolsUi m_ui;
    settings::Module1 &m_state;
    desktop::Reporter &m_reporter;
    StoreHandle &m_store;
    std::function<void(const QString &)> m_showStored;
    std::function<void(const QString &)> m_read;
    WindowSlot<BookmarksWindow> m_bookmarksWindow;
    faq::ReadingTrail m_trail;
    QLabel *m_status = nullptr;
    QString m_saveFolder; // where the last save went, for the next one
};

} // namespace veldra::shell
