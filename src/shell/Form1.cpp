#include "shell/Form1.h"

#include "faq/ReaderPanel.h"
#include "index/DownloadIndex.h"
#include "index/SearchAction.h"
#include "links/LinkHandlers.h"
#include "news/GetNews.h"
#include "platform/Events.h"
#include "platform/ImageList.h"
#include "platform/Layout.h"
#include "platform/MessageBox.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"
#include "settings/Form5.h"
#include "settings/Module1.h"
#include "settings/ServerUrl.h"
#include "shell/Form2.h"
#include "shell/Form3.h"
#include "shell/NavTree.h"
#include "transfer/TransferChannel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>

#include <cstdio>
#include <cstdlib>

using platform::MakeLabel;
using platform::Place;
using platform::TwipsRect;
using platform::TwipsToPixels;

namespace
{
QPointer<Form1> g_form1;

QGroupBox *MakeFrame(QWidget *parent, const char *name, int l, int t, int w, int h)
{
    return Place(new QGroupBox(parent), name, l, t, w, h);
}
} // namespace

Form1 *Form1::Get()
{
    if (!g_form1)
        g_form1 = new Form1();
    return g_form1;
}

Form1 *Form1::Existing()
{
    return g_form1;
}

Form1::Form1()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Veldra v%1.%2 - written by the Veldra contributors")
                       .arg(VELDRA_VERSION_MAJOR)
                       .arg(VELDRA_VERSION_MINOR));
    setWindowIcon(platform::AppIcon());
    resize(TwipsToPixels(10425), TwipsToPixels(6810));
    move(TwipsToPixels(735), TwipsToPixels(570));

    HTTP = new TransferChannel(QStringLiteral("HTTP"), this);
    FTP = new TransferChannel(QStringLiteral("FTP"), this);
    SetFtpChannel(FTP);
    connect(HTTP, &TransferChannel::StateChanged, this, &Form1::HTTP_StateChanged);
    connect(FTP, &TransferChannel::StateChanged, this, &Form1::FTP_StateChanged);

    BuildLayout();
}

void Form1::BuildLayout()
{
    // Left column: navigation tree and info box.
    Frame2 = MakeFrame(this, "Frame2", 120, 120, 2535, 6495);
    TV = Place(new QTreeWidget(Frame2), "TV", 120, 360, 2295, 4095);
    TV->setHeaderHidden(true);
    TV->setColumnCount(1);
    TV->setIconSize(QSize(16, 15));
    TV->setRootIsDecorated(true);
    TV->setIndentation(12);
    TV->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Frame1 = MakeFrame(Frame2, "Frame1", 120, 4680, 2295, 1695);
    Picture1 = Place(new QLabel(Frame1), "Picture1", 120, 240, 615, 375);
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3 = MakeLabel(Frame1, "Label3", QString(), 720, 360, 1455, 255);
    QFont bold(QStringLiteral("Arial"));
    bold.setPointSizeF(8.25);
    bold.setBold(true);
    Label3->setFont(bold);
    Info = MakeLabel(Frame1, "Info", QString(), 120, 720, 2055, 855);
    Info->setFont(QFont(QStringLiteral("Arial"), 9));
    Info->setWordWrap(true);

    // News panel.
    frameNews = MakeFrame(this, "frameNews", 2760, 120, 7575, 6615);
    News = Place(new platform::RichTextBox(frameNews), "News", 240, 360, 6975, 5895);

    // Search panel.
    frameSearchOnline = MakeFrame(this, "frameSearchOnline", 2760, 120, 7575, 6615);
    Label1 = MakeLabel(frameSearchOnline, "Label1", QStringLiteral("Search on server for:"), 120, 360, 1485, 195);
    txtSearchText = Place(new QLineEdit(frameSearchOnline), "txtSearchText", 120, 600, 3615, 285);
    cmdSearch = Place(new QPushButton(QStringLiteral("&Search"), frameSearchOnline), "cmdSearch", 3840, 600, 1095, 255);
    lstResults = Place(new QTreeWidget(frameSearchOnline), "lstResults", 120, 960, 7455, 5055);
    lstResults->setRootIsDecorated(false);
    lstResults->setIconSize(QSize(16, 15));
    lstResults->setColumnCount(0);
    // The hit count's place in the old layout lies inside the result list, where
    // the list would hide it; it stands beside the Read button instead.
    Label2 = MakeLabel(frameSearchOnline, "Label2", QString(), 2400, 6180, 3975, 255);
    cmdRead = Place(new QPushButton(QStringLiteral("&Read"), frameSearchOnline), "cmdRead", 240, 6120, 1935, 375);
    cmdRead->setEnabled(false);

    // Reader panel.
    frameReader = MakeFrame(this, "frameReader", 2760, 120, 7575, 6615);
    Label5 = MakeLabel(frameReader, "Label5", QStringLiteral("Subject:"), 240, 360, 585, 195);
    Label4 = MakeLabel(frameReader, "Label4", QStringLiteral("Author:"), 240, 720, 510, 195);
    Label6 = MakeLabel(frameReader, "Label6", QStringLiteral("Website:"), 240, 1080, 630, 195);
    Label7 = MakeLabel(frameReader, "Label7", QStringLiteral("Version:"), 240, 1440, 570, 195);
    txtSubject = Place(new QLineEdit(frameReader), "txtSubject", 960, 360, 4095, 285);
    txtAuthor = Place(new QLineEdit(frameReader), "txtAuthor", 960, 720, 2895, 285);
    txtWebsite = Place(new QLineEdit(frameReader), "txtWebsite", 960, 1080, 2895, 285);
    txtVersion = Place(new QLineEdit(frameReader), "txtVersion", 960, 1440, 2895, 285);
    // The header boxes take the menu colour so that they read as labels.
    const QColor menuColour = QApplication::palette("QMenu").color(QPalette::Window);
    for (QLineEdit *e : {txtSubject, txtAuthor, txtWebsite, txtVersion}) {
        QPalette pal = e->palette();
        pal.setColor(QPalette::Base, menuColour);
        e->setPalette(pal);
    }
    cmdExtraFunctions = Place(new QPushButton(QStringLiteral("&Extra functions"), frameReader), "cmdExtraFunctions",
                              4080, 1440, 1455, 375);
    cmdExtraFunctions->setEnabled(false);
    txtFAQ = Place(new platform::RichTextBox(frameReader), "txtFAQ", 240, 1920, 7095, 4575);

    for (QWidget *panel : {static_cast<QWidget *>(frameNews), static_cast<QWidget *>(frameSearchOnline),
                           static_cast<QWidget *>(frameReader)})
        panel->hide();

    // Keyboard focus order among the input controls.
    const QList<QWidget *> order = {txtSearchText, cmdSearch,  lstResults, TV,         cmdRead,   News,
                                    txtFAQ,        txtVersion, txtWebsite, txtSubject, txtAuthor, cmdExtraFunctions};
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
    for (QWidget *w : {static_cast<QWidget *>(News), static_cast<QWidget *>(txtFAQ)})
        w->setFocusPolicy(Qt::StrongFocus);

    connect(TV, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) { TV_NodeClick(item); });
    connect(TV, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        // Keyboard moves select a node as a click does; mouse clicks arrive as
        // itemClicked, so they are not handled twice.
        if (item && QApplication::mouseButtons() == Qt::NoButton && TV->hasFocus())
            TV_NodeClick(item);
    });
    connect(cmdSearch, &QPushButton::clicked, this, &Form1::cmdSearch_Click);
    txtSearchText->installEventFilter(this);
    connect(lstResults, &QTreeWidget::itemClicked, this, [this] { cmdRead->setEnabled(true); });
    connect(cmdRead, &QPushButton::clicked, this, &Form1::cmdRead_Click);
    connect(cmdExtraFunctions, &QPushButton::clicked, this, &Form1::cmdExtraFunctions_Click);

    InstallLinkHandlers(frameReader, txtFAQ, txtWebsite, txtAuthor, txtSubject, txtVersion);
}

void Form1::Form_Load()
{
    Form2::Get(this)->setWindowIcon(windowIcon());
    ShowProgress(QStringLiteral("Please wait..."), QStringLiteral("Connecting to the server..."), true, true, this);
    SetTVNodes();
    Module1::LoadSettings();
    Form5::Get(this);
    DownloadIndex(*HTTP);
    platform::DoEvents();
    GetNews(*HTTP, *News, ServerBaseUrl(), this);
    // Offline, no step above closes the progress window; it would cover the
    // main window, so start-up closes it.
    CloseProgress();
}

void Form1::SetTVNodes()
{
    for (const NavNode &n : NavNodes()) {
        QTreeWidgetItem *parent = nullptr;
        for (QTreeWidgetItem *item : m_nodes)
            if (item->data(0, kNodeKeyRole).toString() == n.parentKey)
                parent = item;
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(TV);
        item->setText(0, n.text);
        item->setIcon(0, QIcon(platform::ImageList2(n.icon)));
        item->setData(0, kNodeKeyRole, n.key);
        item->setData(0, kNodeIconRole, n.icon);
        item->setData(0, kNodeTagRole, n.tag);
        m_nodes.append(item);
        if (n.key == QLatin1String("R1") || n.key == QLatin1String("R2") || n.key == QLatin1String("R3"))
            item->setExpanded(true);
        if (n.key == QLatin1String("C1")) {
            {
                const QSignalBlocker block(TV);
                TV->setCurrentItem(item);
            }
            TV_NodeClick(item);
        }
    }
}

QTreeWidgetItem *Form1::TVNode(int position) const
{
    return position >= 1 && position <= m_nodes.size() ? m_nodes.at(position - 1) : nullptr;
}

void Form1::TV_NodeClick(QTreeWidgetItem *Node)
{
    if (!Node)
        return;
    Label3->setText(Node->text(0));
    Picture1->setPixmap(platform::ImageList2(Node->data(0, kNodeIconRole).toInt()));
    const QString tag = Node->data(0, kNodeTagRole).toString();
    const NavAction *action = FindNavAction(tag);
    if (!action)
        return;
    QWidget *panels[] = {frameSearchOnline, frameNews, frameReader};
    if (!action->infoFirst)
        ApplyPanels(*action, panels);
    Info->setText(action->info);
    if (action->infoFirst)
        ApplyPanels(*action, panels);

    if (tag == QLatin1String("proxy")) {
        Form5 *dlg = Form5::Get(this);
        dlg->setWindowState(Qt::WindowNoState);
        dlg->setWindowModality(Qt::ApplicationModal);
        dlg->exec();
    } else if (tag == QLatin1String("reader")) {
        FillInFAQ();
    } else if (tag == QLatin1String("about")) {
        platform::MsgBox(AboutText(), platform::MsgPlain);
    }
}

QString Form1::AboutText()
{
    const QString crlf = QStringLiteral("\r\n");
    const QStringList lines = {
        Module1::AppName + QStringLiteral(" v") + QString::number(VELDRA_VERSION_MAJOR) + QLatin1Char('.') +
            QString::number(VELDRA_VERSION_MINOR),
        QStringLiteral("Copyright (C) the Veldra contributors. All rights reserved."),
        QString(),
        QStringLiteral("Comments are welcome by e-mail to the authors: veldra@example.org"),
        QStringLiteral("Read the Community News for what is new, or visit https://veldra.example.org"),
        QStringLiteral("Thanks to all the Veldra contributors for their help."),
    };
    QString text;
    for (const QString &line : lines)
        text += crlf + line;
    return text;
}

void Form1::cmdSearch_Click()
{
    SearchPanel ui{txtSearchText, cmdSearch, cmdRead, lstResults, Label2, this};
    SearchAction(ui);
}

void Form1::cmdRead_Click()
{
    // A second Read while a download runs would download the same file inside
    // the first; it is ignored.
    static bool running = false;
    if (running)
        return;
    QTreeWidgetItem *item = lstResults->currentItem();
    const QString fileName = item ? item->data(0, kResultTagRole).toString() : QString();
    if (fileName.isEmpty())
        return;
    running = true;
    const bool show = DownloadFaq(*HTTP, fileName, ServerBaseUrl(), this);
    running = false;
    if (show) {
        QTreeWidgetItem *reader = TVNode(4);
        {
            const QSignalBlocker block(TV);
            TV->setCurrentItem(reader);
        }
        TV_NodeClick(reader);
    }
}

void Form1::FillInFAQ()
{
    ReaderPanel ui{txtSubject, txtAuthor, txtVersion, txtWebsite, txtFAQ};
    ::FillInFAQ(ui);
    // Show the beginnings of the fields and of the body: the link colouring leaves
    // the caret after the last link, which may be far down a long document.
    for (QLineEdit *e : {txtSubject, txtAuthor, txtVersion, txtWebsite})
        e->setCursorPosition(0);
    txtFAQ->verticalScrollBar()->setValue(0);
    txtFAQ->horizontalScrollBar()->setValue(0);
}

void Form1::cmdExtraFunctions_Click()
{
    Form3::Get()->mnuFunctions->exec(QCursor::pos());
}

void Form1::HTTP_StateChanged(int State)
{
    if (State == TransferChannel::StateError)
        platform::MsgBox(QStringLiteral("Error while connecting to server using HTTP protocol: "),
                         platform::MsgCritical, Module1::AppName + QStringLiteral(" - Error"));
}

void Form1::FTP_StateChanged(int State)
{
    if (State == TransferChannel::StateError)
        platform::MsgBox(QStringLiteral("Error while connecting to server using FTP protocol: "), platform::MsgCritical,
                         Module1::AppName + QStringLiteral(" - Error"));
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtSearchText && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            cmdSearch_Click();
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Files are opened and closed within the procedure that uses them, so none is
    // open here. Close the other windows, then this one, then end the process.
    if (Form2 *f = Form2::Existing())
        delete f;
    if (Form3 *f = Form3::Existing())
        delete f;
    if (Form5 *f = Form5::Existing())
        delete f;
    event->accept();
    if (HTTP->StillExecuting() || FTP->StillExecuting()) {
        // A download is waiting inside a nested event loop; it must not finish or
        // report anything after the window has gone.
        std::fflush(nullptr);
        std::_Exit(0);
    }
    QCoreApplication::quit();
}
