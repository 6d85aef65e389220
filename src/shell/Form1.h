#pragma once

#include "shell/Form3.h"
#include "shell/Form5.h"
#include "shell/OfflineKeeper.h"
#include "shell/ProgressWindow.h"
#include "shell/SearchAction.h"
#include "shell/WindowSlot.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

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
namespace veldra::links
{
class NewsLinkHandlers;
class ReaderLinkHandlers;
} // namespace veldra::links

namespace veldra::shell
{

class FindBar;

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
    void cmdExtraFunctions_Click();
    void FillInFAQ();
    void GetNews();

    // What tests look at besides the widgets (found by their object names).
    transfer::Channels &channels() const { return *m_net; }
    ProgressWindow &progress() { return m_progress; }
    const SearchAction &search() const { return m_search; }
    const links::ReaderLinkHandlers &linkHandlers() const { return *m_links; }
    const links::NewsLinkHandlers &newsLinkHandlers() const { return *m_newsLinks; }
    Form3 *existingForm3() const { return m_form3.existing(); }
    Form5 *existingForm5() const { return m_form5.existing(); }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildControls();
    void BuildLayout();
    void DescribeControls();
    void ConnectHandlers();
    void ConnectKeys();
    // Ctrl+L and Ctrl+K to the search box, F5 to read the shown document
    // again, Ctrl+Q to quit.
    void ConnectCommandKeys();
    void ShowSearchBox();
    // Whether the search box is to leave a key it would take to the shortcuts.
    bool SearchBoxLeavesKeyToShortcut(QObject *watched, QEvent *event) const;
    void ReadAgain();
    // Downloads a document of the library and shows it in the reader, with
    // the keyboard in its body.
    void ReadDocument(const QString &fileName);
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

    settings::Module1 &m_state;
    desktop::Reporter &m_reporter;
    transfer::Channels *m_net;
    ProgressWindow m_progress;
    SearchAction m_search;
    links::ReaderLinkHandlers *m_links = nullptr;
    links::NewsLinkHandlers *m_newsLinks = nullptr;
    desktop::TwipsCanvas *m_canvas;
    richtext::TextZoom *m_newsZoom = nullptr, *m_readerZoom = nullptr;
    FindBar *m_newsFind = nullptr, *m_readerFind = nullptr;
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
    // Reader panel.
    QGroupBox *frameReader;
    QLabel *Label5, *Label4, *Label6, *Label7;
    QLineEdit *txtSubject, *txtAuthor, *txtWebsite, *txtVersion;
    QPushButton *cmdExtraFunctions;
    richtext::RichTextBox *txtFAQ;
};

} // namespace veldra::shell
