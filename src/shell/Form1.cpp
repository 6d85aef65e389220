#include "shell/Form1.h"

#include "desktop/Events.h"
#include "desktop/ImageList.h"
#include "desktop/Reporter.h"
#include "desktop/Twips.h"
#include "desktop/TwipsCanvas.h"
#include "faq/DownloadFaq.h"
#include "index/DownloadIndex.h"
#include "index/OfflineIndex.h"
#include "links/LinkHandlers.h"
#include "offline/LibrarySync.h"
#include "richtext/RichTextBox.h"
#include "richtext/TextZoom.h"
#include "settings/Module1.h"
#include "shell/DesktopReporter.h"
#include "shell/Form2.h"
#include "shell/Form3.h"
#include "shell/Form5.h"
#include "shell/FullTextList.h"
#include "shell/Log.h"
#include "shell/NavTree.h"
#include "shell/NewsPanel.h"
#include "shell/ReaderPanel.h"
#include "shell/ReaderTools.h"
#include "shell/SyncWindow.h"
#include "shell/WindowPlacement.h"
#include "transfer/Channels.h"
#include "transfer/CurlLibrary.h"
#include "transfer/TransferChannel.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace veldra::shell
{

using desktop::MsgBoxStyle;
using desktop::TwipsToPixels;

Form1::Form1(settings::Module1 &state, desktop::Reporter &reporter, Controls controls)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_state(state)
    , m_reporter(reporter)
    , m_net(new transfer::Channels(this))
    , m_progress(this)
    , m_search(m_progress)
    , m_canvas(new desktop::TwipsCanvas(QSize(10425, 6810), this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QCoreApplication::translate("Form1", "Veldra v%1.%2 - written by the Veldra contributors")
                       .arg(VELDRA_VERSION_MAJOR)
                       .arg(VELDRA_VERSION_MINOR));
    // The program sets the icon for all its windows; drawn again here only
    // where it did not (a window made without the program's start).
    if (QApplication::windowIcon().isNull())
        setWindowIcon(desktop::AppIcon());
    // The controls lie on a canvas that scales them with the font and the
    // window; the window opens at the canvas's own size.
    auto *client = new QVBoxLayout(this);
    client->setContentsMargins(0, 0, 0, 0);
    client->addWidget(m_canvas);
    m_canvas->setObjectName(QStringLiteral("Form1Canvas"));
    if (controls == Controls::Now)
        BuildControls();
    m_progress.setCancelHandler([this] { CancelDownload(); });
    m_search.setCancelOffer([this](bool offer) { m_progress.setCancelEnabled(offer); });
}

void Form1::BuildControls()
{
    if (m_built)
        return;
    m_built = true;
    BuildLayout();
    BuildLibraryControls();
    DescribeControls();
    ConnectHandlers();
    ConnectKeys();
    ConnectReaderTools();
    ConnectCommandKeys();
    resize(m_canvas->naturalSize());
    // Smaller than this the panels would be mostly scroll bars.
    setMinimumSize(m_canvas->naturalSize() / 2);
    move(TwipsToPixels(735), TwipsToPixels(570));
}

Form1::~Form1()
{
    // The other windows go before the widgets they were given.
    m_progress.close();
    m_form3.destroy();
    m_form5.destroy();
}

void Form1::Form_Load()
{
    m_progress.load().setWindowIcon(windowIcon());
    m_progress.ShowProgress(QCoreApplication::translate("Form1", "Please wait..."),
                            QCoreApplication::translate("Form1", "Connecting to the server..."), true, true);
    if (!m_built) {
        // The progress window goes to the screen before the controls are made.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        // Loading curl and the twenty-odd libraries it brings holds the
        // dynamic loader's lock, which the window's first widgets wait for;
        // it loads while the controls are made, before the first transfer.
        transfer::PreloadCurl();
        BuildControls();
    }
    SetTVNodes();
    m_state.LoadSettings();
    OpenLibraryStore();
    LoadForm5();
    qCDebug(lcShell) << "downloading the index from" << m_state.ServerUrl;
    m_cancelled = false;
    const Status index = index::DownloadIndex(*m_net, m_state, m_progress);
    // Whoever cancels the index download has given up on the server: the news
    // would only wait for it again.
    const bool cancelled = !index && m_cancelled;
    QStringList arrived;
    if (index) {
        arrived << m_state.IndexFile;
        m_indexArrivedAt = QDateTime::currentDateTimeUtc();
        MarkListedDocuments();
    } else
        m_offlineIndex = index::RestoreIndex(m_state);
    Label2->setText(m_offlineIndex);
    // A cancel is the user's own act: the news panel says so, no box does.
    if (!index && !m_closing && !cancelled)
        m_reporter.MsgBox(ConnectionErrorText(index.error()), MsgBoxStyle::Critical, ErrorTitle(m_state.AppName));
    desktop::DoEvents();
    if (cancelled)
        ShowOfflineNews(ShowNewsFailure(*News, index.error()), m_state, *News);
    else if (GetNews(); m_newsArrived)
        arrived << news::NewsFile(m_state);
    // Offline, no step above closes the progress window; it would cover the
    // main window, so start-up closes it.
    m_progress.close();
    RebuildStoreIfNeeded();
    PlaceWindow();
    // The offline copies wait until the window is on the screen: main shows it
    // as soon as this returns, and the copies are made meanwhile.
    QTimer::singleShot(0, this, [this, arrived] { m_keeper.keep(m_state.CacheDir, arrived); });
}

void Form1::PlaceWindow()
{
    const QPoint layoutPlace(TwipsToPixels(735), TwipsToPixels(570));
    const QSize room = ClientRoom(this, layoutPlace);
    resize(m_canvas->sizeToShow(room));
    setMinimumSize(minimumSize().boundedTo(room));
    RestorePlacement(this, m_state.AppName, layoutPlace);
    m_placed = true;
}

Form5 &Form1::LoadForm5()
{
    return m_form5.get([this] { return new Form5(m_state, this); });
}

void Form1::GetNews()
{
    const news::NewsOutcome outcome = GetNewsInto(*News, *m_net, m_state, m_progress);
    m_newsArrived = outcome == news::NewsOutcome::Shown;
    ShowOfflineNews(outcome, m_state, *News);
    m_newsZoom->apply();
}

void Form1::SetTVNodes()
{
    for (const NavNode &n : NavNodes()) {
        QTreeWidgetItem *parent = nullptr;
        for (QTreeWidgetItem *item : m_nodes)
            if (item->data(0, kNodeKeyRole).toString() == n.parentKey)
                parent = item;
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(TV);
        item->setText(0, QCoreApplication::translate("Form1", n.text));
        item->setIcon(0, desktop::ImageList2(n.icon));
        item->setData(0, kNodeKeyRole, n.key);
        item->setData(0, kNodeIconRole, n.icon);
        item->setData(0, kNodeTagRole, n.tag);
        m_nodes.append(item);
        if (n.key == QLatin1String("R1") || n.key == QLatin1String("R2") || n.key == QLatin1String("R3"))
            item->setExpanded(true);
        if (n.key == QLatin1String("C1"))
            SelectNode(item);
    }
}

QTreeWidgetItem *Form1::TVNode(int position) const
{
    return position >= 1 && position <= m_nodes.size() ? m_nodes.at(position - 1) : nullptr;
}

void Form1::SelectNode(QTreeWidgetItem *node)
{
    {
        const QSignalBlocker block(TV);
        TV->setCurrentItem(node);
    }
    TV_NodeClick(node);
}

void Form1::TV_NodeClick(QTreeWidgetItem *Node)
{
    NodeAction(Node, true);
}

void Form1::TV_NodeSelected(QTreeWidgetItem *Node)
{
    NodeAction(Node, false);
}

void Form1::NodeAction(QTreeWidgetItem *Node, bool openDialogs)
{
    if (!Node)
        return;
    Label3->setText(Node->text(0));
    Picture1->setPixmap(desktop::ImageListPixmap(desktop::ImageList2(Node->data(0, kNodeIconRole).toInt()), Picture1));
    const QString tag = Node->data(0, kNodeTagRole).toString();
    const NavAction *action = FindNavAction(tag);
    if (!action)
        return;
    QWidget *panels[] = {frameSearchOnline, frameNews, frameReader};
    if (!action->infoFirst)
        ApplyPanels(*action, panels);
    Info->setText(QCoreApplication::translate("Form1", action->info));
    if (action->infoFirst)
        ApplyPanels(*action, panels);

    if (tag == QLatin1String("proxy") && openDialogs) {
        Form5 &dlg = LoadForm5();
        dlg.setWindowState(Qt::WindowNoState);
        dlg.setWindowModality(Qt::ApplicationModal);
        dlg.exec();
    } else if (tag == QLatin1String("reader")) {
        FillInFAQ();
    } else if (tag == QLatin1String("about") && openDialogs) {
        m_reporter.MsgBox(AboutText(), MsgBoxStyle::Plain);
    }
}

QString Form1::AboutText() const
{
    const QString crlf = QStringLiteral("\r\n");
    const QStringList lines = {
        m_state.AppName + QStringLiteral(" v") + QString::number(VELDRA_VERSION_MAJOR) + QLatin1Char('.') +
            QString::number(VELDRA_VERSION_MINOR),
        QCoreApplication::translate("Form1",
                                    "Copyright (C) 2026 the Veldra contributors. Free software under the MIT licence."),
        QString(),
        QCoreApplication::translate("Form1", "Comments are welcome by e-mail to the authors: veldra@example.org"),
        QCoreApplication::translate("Form1", "Read the Community News for what is new, or visit %1")
            .arg(QStringLiteral(VELDRA_HOMEPAGE_URL)),
        QCoreApplication::translate("Form1", "Thanks to all the Veldra contributors for their help."),
    };
    QString text;
    for (const QString &line : lines)
        text += crlf + line;
    return text;
}

void Form1::cmdSearch_Click()
{
    if (chkFullText->isChecked())
        return RunFullTextSearch(false);
    const SearchPanel ui{txtSearchText, cmdSearch, cmdRead, lstResults, Label2};
    const SearchOutcome outcome = m_search.run(ui, m_state.IndexFile);
    if (outcome == SearchOutcome::NoText)
        m_reporter.MsgBox(QCoreApplication::translate("Form1", "No text to search for!"), MsgBoxStyle::Exclamation,
                          m_state.AppName);
    // The hits come from an old copy of the index; the count says so.
    if (outcome == SearchOutcome::Listed && !m_offlineIndex.isEmpty())
        Label2->setText(Label2->text() + QStringLiteral(" (") + m_offlineIndex + QLatin1Char(')'));
    m_searchCount = Label2->text();
}

void Form1::FillInFAQ()
{
    ReaderPanel ui{txtSubject, txtAuthor, txtVersion, txtWebsite, txtFAQ};
    if (const Status filled = FillReaderPanel(ui, m_state); !filled) {
        m_reporter.MsgBox(QCoreApplication::translate("Form1", "Could not load %1").arg(m_state.FaqFile),
                          MsgBoxStyle::Critical, ErrorTitle(m_state.AppName));
        m_reporter.MsgBox(filled.error(), MsgBoxStyle::Plain);
    }
    // Show the beginnings of the fields and of the body: the link colouring leaves
    // the caret after the last link, which may be far down a long document.
    for (QLineEdit *e : {txtSubject, txtAuthor, txtVersion, txtWebsite})
        e->setCursorPosition(0);
    m_readerZoom->apply();
    txtFAQ->verticalScrollBar()->setValue(0);
    txtFAQ->horizontalScrollBar()->setValue(0);
}

void Form1::cmdExtraFunctions_Click()
{
    Form3 &holder = m_form3.get([] { return new Form3(); });
    holder.functionsMenu().exec(QCursor::pos());
}

void Form1::HTTP_StateChanged(transfer::TransferState State)
{
    m_progress.setCancelEnabled(State == transfer::TransferState::Requesting);
    if (State == transfer::TransferState::Error && !m_closing)
        m_reporter.MsgBox(
            QCoreApplication::translate("Form1", "Error while connecting to server using HTTP protocol: "),
            MsgBoxStyle::Critical, ErrorTitle(m_state.AppName));
}

void Form1::CancelDownload()
{
    if (m_search.running()) {
        m_search.cancel();
        return;
    }
    if (!m_net->busy())
        return;
    qCDebug(lcShell) << "download cancelled";
    m_cancelled = true;
    m_net->abortAll();
}

void Form1::FTP_StateChanged(transfer::TransferState State)
{
    if (State == transfer::TransferState::Error && !m_closing)
        m_reporter.MsgBox(QCoreApplication::translate("Form1", "Error while connecting to server using FTP protocol: "),
                          MsgBoxStyle::Critical, ErrorTitle(m_state.AppName));
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (SearchBoxLeavesKeyToShortcut(watched, event))
        return true;
    if (watched == txtSearchText && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            cmdSearch_Click();
    } else if (watched == TV && TreeKey(event)) {
        return true;
    } else if (watched == lstResults && ResultListKey(event)) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Files are opened and closed within the procedure that uses them, so none is
    // open here. Close the other windows, then this one, then end the program:
    // a download still waiting for the server is aborted, its fetch returns as
    // cancelled and reports nothing, and the event loops all end.
    qCDebug(lcShell) << "shutdown" << (m_net->busy() ? "during a download" : "");
    m_closing = true;
    if (m_placed)
        SavePlacement(this, m_state.AppName);
    m_progress.close();
    m_form3.destroy();
    m_form5.destroy();
    m_net->abortAll();
    if (m_sync)
        m_sync->cancel();
    event->accept();
    QCoreApplication::quit();
}

} // namespace veldra::shell
