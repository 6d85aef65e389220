#pragma once

#include "shell/Form3.h"
#include "shell/Form5.h"
#include "shell/OfflineKeeper.h"
#include "shell/ProgressWindow.h"
#include "shell/SearchAction.h"
#include "shell/StoreHandle.h"
#include "shell/WindowSlot.h"

#include "desktop/ShellOpen.h"

#include <QDateTime>
#include <QWidget>

#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QTimer;

namespace veldra::desktop
{
class Reporter;
class TwipsCanvas;
} // namespace veldra::desktop
namespace veldra::richtext
{
class RichTextBox;
class TextZoom;
} // namespace veldra::richtext
namespace veldra::settings
{
class Module1;
}
namespace veldra::transfer
{
class Channels;
enum class TransferState;
} // namespace veldra::transfer
namespace veldra::offline
{
class LibrarySync;
struct SyncItem;
} // namespace veldra::offline
namespace veldra::links
{
class NewsLinkHandlers;
class ReaderLinkHandlers;
} // namespace veldra::links

namespace veldra::shell
{

class FindBar;
class ReaderTools;
class SyncWindow;

// The main window: navigation tree and info box on the left, the news, search
// and reader panels stacked on the right. It owns the two transfer channels
// and the other windows. Its load step runs the start-up; closing it ends the
// program.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    // When the controls are made: at once, or by the start-up right after the
    // progress window shows, so that the user sees that window sooner.
    enum class Controls { Now, AfterProgressShows };
    Form1(settings::Module1 &state, desktop::Reporter &reporter, Controls controls = Controls::Now);
    ~Form1() override;

    // The start-up sequence; run once before the window is first shown.
    void Form_Load();
    // Its last step: the window where the user left it, or at the layout's
    // place, inside the screen either way. Closing then remembers the place.
    void PlaceWindow();

    void SetTVNodes();
    // A click on a node, or Enter or Space on the selected one.
    void TV_NodeClick(QTreeWidgetItem *Node);
    // The selection moved to a node by keyboard: it switches the panels as a
    // click does, but opens no dialog.
    void TV_NodeSelected(QTreeWidgetItem *Node);
    // The tree's node by its position in the order the nodes were added (from 1).
    QTreeWidgetItem *TVNode(int position) const;
    // Text of the about box.
    QString AboutText() const;

    void cmdSearch_Click();
    void cmdRead_Click();
    // What Read does for the document of a file name on the server.
    void ReadDocument(const QString &fileName, const QStringList &hitWords = {});
    void cmdExtraFunctions_Click();
    void FillInFAQ();
    void GetNews();

    // What tests look at besides the widgets (found by their object names).
    transfer::Channels &channels() const { return *m_net; }
    ProgressWindow &progress() { return m_progress; }
    const SearchAction &search() const { return m_search; }
    // The library store: opened by the start-up, closed when the window goes.
    StoreHandle &store() { return m_store; }
    const links::ReaderLinkHandlers &linkHandlers() const { return *m_links; }
    const links::NewsLinkHandlers &newsLinkHandlers() const { return *m_newsLinks; }
    // Where the reader's and the news panel's links go instead of the desktop.
    void setLinkOpener(desktop::Opener opener);
    Form3 *existingForm3() const { return m_form3.existing(); }
    Form5 *existingForm5() const { return m_form5.existing(); }
    ReaderTools &readerTools() const { return *m_tools; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildControls();
    void BuildLayout();
    void DescribeControls();
    void ConnectHandlers();
    void ConnectKeys();
    void ConnectReaderTools();
    // Ctrl+L and Ctrl+K to the search box, F5 to read the shown document
    // again, Ctrl+Q to quit.
    void ConnectCommandKeys();
    void ShowSearchBox();
    // Whether the search box is to leave a key it would take to the shortcuts.
    bool SearchBoxLeavesKeyToShortcut(QObject *watched, QEvent *event) const;
    void ReadAgain();
    void NodeAction(QTreeWidgetItem *Node, bool openDialogs);
    bool ResultListKey(QEvent *event);
    bool TreeKey(QEvent *event);
    // The body of the panel on view (news or reader), its find bar and zoom.
    FindBar *VisibleFindBar() const;
    richtext::TextZoom *VisibleZoom() const;
    Form5 &LoadForm5();
    void SelectNode(QTreeWidgetItem *node);
    void HTTP_StateChanged(transfer::TransferState State);
    // Cancel on the progress window: the running download is aborted and fails
    // as any failed download does.
    void CancelDownload();
    void FTP_StateChanged(transfer::TransferState State);

    // The library store (Form1Library.cpp): what Read and the start give it,
    // the search in document text, the stored copy when Read fails.
    void BuildLibraryControls();
    // Once the settings are loaded: the store opens, the check box is as the user left it.
    void OpenLibraryStore();
    void IndexAfterRead(const QString &fileName, const QString &path);
    void MarkListedDocuments();
    void RebuildStoreIfNeeded();
    void FullTextToggled(bool on);
    void RunFullTextSearch(bool typed);
    void FillSnippetsFrom(int first);
    // After a failed Read: shows the stored copy of `fileName`, if there is one.
    bool ShowOfflineCopy(const QString &fileName);
    void OpenFindWithHitWords(const QStringList &words);
    // Making the whole library available offline (Form1Offline.cpp).
    void cmdOffline_Click();
    void StartSync(QList<offline::SyncItem> plan);
    void SyncFinished();

    settings::Module1 &m_state;
    desktop::Reporter &m_reporter;
    transfer::Channels *m_net;
    ProgressWindow m_progress;
    SearchAction m_search;
    desktop::Opener m_linkOpener; // empty: the desktop
    links::ReaderLinkHandlers *m_links = nullptr;
    links::NewsLinkHandlers *m_newsLinks = nullptr;
    desktop::TwipsCanvas *m_canvas;
    richtext::TextZoom *m_newsZoom = nullptr, *m_readerZoom = nullptr;
    FindBar *m_newsFind = nullptr, *m_readerFind = nullptr;
    ReaderTools *m_tools = nullptr; // back and forward, print and save
    WindowSlot<Form3> m_form3;
    WindowSlot<Form5> m_form5;
    QList<QTreeWidgetItem *> m_nodes; // in the order they were added
    bool m_reading = false;           // a Read is under way
    QString m_readFile;               // the server's name of the document read last
    bool m_closing = false;           // the shutdown has begun
    bool m_cancelled = false;         // the user cancelled a download
    QString m_offlineIndex;           // the note on an old index put back, if any
    QString m_searchCount;            // what the last search wrote under the box
    bool m_placed = false;            // the start-up put the window in its place
    bool m_newsArrived = false;       // the start's news arrived whole
    OfflineKeeper m_keeper;           // keeps the start's index and news for offline use
    bool m_built = false;             // the controls exist
    StoreHandle m_store;              // goes before the widgets its results may reach
    int m_fullTextSearches = 0;       // a later search's results win
    store::SearchResults m_fullTextHits;
    QTimer *m_typingPause = nullptr;
    QDateTime m_indexArrivedAt; // when the start's index arrived whole
    std::unique_ptr<offline::LibrarySync> m_sync;
    SyncWindow *m_syncWindow = nullptr;

    // Left column.
    QGroupBox *Frame2;
    QTreeWidget *TV;
    QGroupBox *Frame1;
    QLabel *Picture1;
    QLabel *Label3;
    QLabel *Info;
    // News panel.
    QGroupBox *frameNews;
    richtext::RichTextBox *News;
    // Search panel.
    QGroupBox *frameSearchOnline;
    QLabel *Label1;
    QLineEdit *txtSearchText;
    QPushButton *cmdSearch;
    QTreeWidget *lstResults;
    QLabel *Label2;
    QPushButton *cmdRead;
    QCheckBox *chkFullText = nullptr;
    QPushButton *cmdOffline = nullptr;
    // Reader panel.
    QGroupBox *frameReader;
    QLabel *Label5, *Label4, *Label6, *Label7;
    QLineEdit *txtSubject, *txtAuthor, *txtWebsite, *txtVersion;
    QPushButton *cmdExtraFunctions;
    richtext::RichTextBox *txtFAQ;
    QLabel *lblOfflineCopy = nullptr; // says the reader shows a stored copy
};

} // namespace veldra::shell
