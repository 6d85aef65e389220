// The main window's controls, where the layout puts them, and their wiring.
#include "desktop/ImageList.h"
#include "desktop/Layout.h"
#include "desktop/TwipsCanvas.h"
#include "links/LinkHandlers.h"
#include "links/NewsLinkHandlers.h"
#include "richtext/RichTextBox.h"
#include "richtext/TextZoom.h"
#include "settings/Module1.h"
#include "shell/FindBar.h"
#include "shell/Form1.h"
#include "transfer/Channels.h"
#include "transfer/TransferChannel.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace veldra::shell
{

using desktop::MakeLabel;
using desktop::Place;

namespace
{

QGroupBox *MakeFrame(QWidget *parent, const char *name, int l, int t, int w, int h)
{
    return Place(new QGroupBox(parent), name, l, t, w, h);
}

void Describe(QWidget *w, const QString &name, const QString &description)
{
    if (!name.isEmpty())
        w->setAccessibleName(name);
    w->setAccessibleDescription(description);
}

} // namespace

void Form1::BuildLayout()
{
    QWidget *client = m_canvas->canvas();
    // Left column: navigation tree and info box.
    Frame2 = MakeFrame(client, "Frame2", 120, 120, 2535, 6495);
    TV = Place(new QTreeWidget(Frame2), "TV", 120, 360, 2295, 4095);
    TV->setHeaderHidden(true);
    TV->setColumnCount(1);
    TV->setIconSize(desktop::ImageListSize());
    TV->setRootIsDecorated(true);
    TV->setIndentation(TV->fontMetrics().averageCharWidth() * 2);
    TV->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Frame1 = MakeFrame(Frame2, "Frame1", 120, 4680, 2295, 1695);
    Picture1 = Place(new QLabel(Frame1), "Picture1", 120, 240, 615, 375);
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3 = MakeLabel(Frame1, "Label3", QString(), 720, 360, 1455, 255);
    QFont bold = Label3->font();
    bold.setBold(true);
    Label3->setFont(bold);
    Info = MakeLabel(Frame1, "Info", QString(), 120, 720, 2055, 855);
    Info->setWordWrap(true);

    // News panel.
    frameNews = MakeFrame(client, "frameNews", 2760, 120, 7575, 6615);
    News = Place(new richtext::RichTextBox(frameNews), "News", 240, 360, 6975, 5895);

    // Search panel.
    frameSearchOnline = MakeFrame(client, "frameSearchOnline", 2760, 120, 7575, 6615);
    Label1 = MakeLabel(frameSearchOnline, "Label1", QCoreApplication::translate("Form1", "Search on server for:"), 120,
                       360, 1485, 195);
    txtSearchText = Place(new QLineEdit(frameSearchOnline), "txtSearchText", 120, 600, 3615, 285);
    cmdSearch = Place(new QPushButton(QCoreApplication::translate("Form1", "&Search"), frameSearchOnline), "cmdSearch",
                      3840, 600, 1095, 255);
    lstResults = Place(new QTreeWidget(frameSearchOnline), "lstResults", 120, 960, 7455, 5055);
    lstResults->setRootIsDecorated(false);
    lstResults->setIconSize(desktop::ImageListSize());
    lstResults->setColumnCount(0);
    // The hit count's place in the old layout lies inside the result list, where
    // the list would hide it; it stands beside the Read button instead.
    Label2 = MakeLabel(frameSearchOnline, "Label2", QString(), 2400, 6180, 3975, 255);
    cmdRead = Place(new QPushButton(QCoreApplication::translate("Form1", "&Read"), frameSearchOnline), "cmdRead", 240,
                    6120, 1935, 375);
    cmdRead->setEnabled(false);

    // Reader panel.
    frameReader = MakeFrame(client, "frameReader", 2760, 120, 7575, 6615);
    Label5 = MakeLabel(frameReader, "Label5", QCoreApplication::translate("Form1", "Subject:"), 240, 360, 585, 195);
    Label4 = MakeLabel(frameReader, "Label4", QCoreApplication::translate("Form1", "Author:"), 240, 720, 510, 195);
    Label6 = MakeLabel(frameReader, "Label6", QCoreApplication::translate("Form1", "Website:"), 240, 1080, 630, 195);
    Label7 = MakeLabel(frameReader, "Label7", QCoreApplication::translate("Form1", "Version:"), 240, 1440, 570, 195);
    txtSubject = Place(new QLineEdit(frameReader), "txtSubject", 960, 360, 4095, 285);
    txtAuthor = Place(new QLineEdit(frameReader), "txtAuthor", 960, 720, 2895, 285);
    txtWebsite = Place(new QLineEdit(frameReader), "txtWebsite", 960, 1080, 2895, 285);
    txtVersion = Place(new QLineEdit(frameReader), "txtVersion", 960, 1440, 2895, 285);
    // The header boxes take the menu colour so that they read as labels. They
    // show the document's header: it can be selected and copied, not edited.
    const QColor menuColour = QApplication::palette("QMenu").color(QPalette::Window);
    for (QLineEdit *e : {txtSubject, txtAuthor, txtWebsite, txtVersion}) {
        QPalette pal = e->palette();
        pal.setColor(QPalette::Base, menuColour);
        e->setPalette(pal);
        e->setReadOnly(true);
    }
    Label5->setBuddy(txtSubject);
    Label4->setBuddy(txtAuthor);
    Label6->setBuddy(txtWebsite);
    Label7->setBuddy(txtVersion);
    Label1->setBuddy(txtSearchText);
    cmdExtraFunctions = Place(new QPushButton(QCoreApplication::translate("Form1", "&Extra functions"), frameReader),
                              "cmdExtraFunctions", 4080, 1440, 1455, 375);
    cmdExtraFunctions->setEnabled(false);
    txtFAQ = Place(new richtext::RichTextBox(frameReader), "txtFAQ", 240, 1920, 7095, 4575);

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

    // Find bars and zoom of the two document bodies. The bars come last on
    // the way through the controls.
    m_newsFind = new FindBar(News, "newsFind");
    m_readerFind = new FindBar(txtFAQ, "readerFind");
    m_newsZoom = new richtext::TextZoom(News);
    m_readerZoom = new richtext::TextZoom(txtFAQ);
}

// What screen readers announce for each control, beyond the captions of the
// buttons and labels they read anyway.
void Form1::DescribeControls()
{
    Describe(TV, QCoreApplication::translate("Form1", "Navigation"),
             QCoreApplication::translate("Form1",
                                         "Moving the selection switches between the news, the search and the reader; "
                                         "Enter or Space on Proxy settings or About opens it"));
    Describe(Picture1, QCoreApplication::translate("Form1", "Icon of the selected item"), QString());
    Describe(Label3, QString(), QCoreApplication::translate("Form1", "The selected item"));
    Describe(Info, QString(), QCoreApplication::translate("Form1", "What the selected item is for"));
    Describe(News, QCoreApplication::translate("Form1", "Community news"),
             QCoreApplication::translate("Form1",
                                         "Today's news from the server; links open in the browser or mail program"));
    Describe(txtSearchText, QCoreApplication::translate("Form1", "Search on server for"),
             QCoreApplication::translate("Form1", "Subject to look for in the library's index; Enter searches"));
    Describe(cmdSearch, QString(),
             QCoreApplication::translate("Form1", "Searches the library's index for the subject"));
    Describe(lstResults, QCoreApplication::translate("Form1", "Search results"),
             QCoreApplication::translate(
                 "Form1", "Documents whose entry matches; Enter or a double-click reads the selected one"));
    Describe(Label2, QString(), QCoreApplication::translate("Form1", "Number of matches found"));
    Describe(cmdRead, QString(),
             QCoreApplication::translate("Form1", "Downloads the selected document and shows it in the reader"));
    Describe(txtSubject, QCoreApplication::translate("Form1", "Subject"),
             QCoreApplication::translate("Form1", "Subject of the document in the reader"));
    Describe(txtAuthor, QCoreApplication::translate("Form1", "Author"),
             QCoreApplication::translate("Form1", "Author of the document in the reader"));
    Describe(txtWebsite, QCoreApplication::translate("Form1", "Website"),
             QCoreApplication::translate("Form1", "Website of the document's author; a click opens it in the browser"));
    Describe(txtVersion, QCoreApplication::translate("Form1", "Version"),
             QCoreApplication::translate("Form1", "Version of the document in the reader"));
    Describe(cmdExtraFunctions, QString(),
             QCoreApplication::translate("Form1", "Further functions for the document in the reader"));
    Describe(txtFAQ, QCoreApplication::translate("Form1", "Document"),
             QCoreApplication::translate(
                 "Form1", "Text of the document in the reader; links open in the browser or mail program"));
    frameNews->setAccessibleName(QCoreApplication::translate("Form1", "News panel"));
    frameSearchOnline->setAccessibleName(QCoreApplication::translate("Form1", "Search panel"));
    frameReader->setAccessibleName(QCoreApplication::translate("Form1", "Reader panel"));
    Frame2->setAccessibleName(QCoreApplication::translate("Form1", "Navigation column"));
    Frame1->setAccessibleName(QCoreApplication::translate("Form1", "Selected item"));
}

void Form1::ConnectHandlers()
{
    connect(&m_net->HTTP(), &transfer::TransferChannel::StateChanged, this, &Form1::HTTP_StateChanged);
    connect(&m_net->FTP(), &transfer::TransferChannel::StateChanged, this, &Form1::FTP_StateChanged);
    connect(TV, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) { TV_NodeClick(item); });
    connect(TV, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        // The selection moved by keyboard (arrows, type-ahead); a mouse click
        // arrives as itemClicked and is not handled twice.
        if (item && QApplication::mouseButtons() == Qt::NoButton && TV->hasFocus())
            TV_NodeSelected(item);
    });
    connect(cmdSearch, &QPushButton::clicked, this, &Form1::cmdSearch_Click);
    txtSearchText->installEventFilter(this);
    TV->installEventFilter(this);
    lstResults->installEventFilter(this);
    // A result selected by keyboard counts as much as a clicked one.
    connect(lstResults, &QTreeWidget::itemClicked, this, [this] { cmdRead->setEnabled(true); });
    connect(lstResults, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (!lstResults->selectedItems().isEmpty())
            cmdRead->setEnabled(true);
    });
    connect(lstResults, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (cmdRead->isEnabled())
            cmdRead_Click();
    });
    connect(cmdRead, &QPushButton::clicked, this, &Form1::cmdRead_Click);
    connect(cmdExtraFunctions, &QPushButton::clicked, this, &Form1::cmdExtraFunctions_Click);

    m_links = new links::ReaderLinkHandlers({frameReader, txtFAQ, txtWebsite, txtAuthor, txtSubject, txtVersion},
                                            m_state.AppDir, m_linkOpener);
    m_newsLinks = new links::NewsLinkHandlers(News, m_state.AppDir, m_linkOpener);
}

void Form1::setLinkOpener(desktop::Opener opener)
{
    m_linkOpener = std::move(opener);
    if (m_links)
        m_links->setOpener(m_linkOpener);
    if (m_newsLinks)
        m_newsLinks->setOpener(m_linkOpener);
}

} // namespace veldra::shell
