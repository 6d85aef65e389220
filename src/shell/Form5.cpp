#include "shell/Form5.h"

#include "desktop/ImageList.h"
#include "desktop/Layout.h"
#include "desktop/Twips.h"
#include "settings/Module1.h"
#include "settings/SettingsStore.h"
#include "shell/Log.h"
#include "text/PortText.h"
#include "text/Trim.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <limits>

namespace veldra::shell
{

using desktop::MakeLabel;
using desktop::Place;
using desktop::TwipsToPixels;
using text::PortText;
using text::TrimSpaces;

namespace
{

QLineEdit *MakeBox(QWidget *parent, const char *name, int l, int t, int w, int h)
{
    auto *box = Place(new QLineEdit(parent), name, l, t, w, h);
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

QPushButton *MakeButton(QWidget *parent, const char *name, const QString &caption, int l, int t, int w, int h)
{
    auto *button = Place(new QPushButton(caption, parent), name, l, t, w, h);
    // Enter and Escape do nothing in this dialog; only a click (or the access
    // key) answers it.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

Form5::Form5(settings::Module1 &state, QWidget *owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_state(state)
{
    setObjectName(QStringLiteral("Form5"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QCoreApplication::translate("Form5", "Edit Proxy Settings"));
    setFixedSize(TwipsToPixels(6165), TwipsToPixels(2835));

    // Created in tab order, so the focus chain follows it.
    Label1 =
        MakeLabel(this, "Label1",
                  QCoreApplication::translate("Form5", "Please fill in the proxy servers to use for each protocol."),
                  120, 240, 4815, 255);
    Label2 = MakeLabel(this, "Label2", QCoreApplication::translate("Form5", "HTTP"), 600, 1440, 435, 195);
    HTTP = MakeBox(this, "HTTP", 1440, 1440, 2895, 285);
    Label3 = MakeLabel(this, "Label3", QCoreApplication::translate("Form5", "Protocol"), 480, 960, 585, 195);
    Label4 = MakeLabel(this, "Label4", QCoreApplication::translate("Form5", "Server"), 1440, 960, 1095, 255);
    Label5 = MakeLabel(this, "Label5", QCoreApplication::translate("Form5", "Port"), 4440, 960, 285, 195);
    HTTP_Port = MakeBox(this, "HTTP_Port", 4440, 1440, 1095, 285);
    Label6 = MakeLabel(this, "Label6", QCoreApplication::translate("Form5", "FTP"), 600, 1920, 300, 195);
    FTP = MakeBox(this, "FTP", 1440, 1920, 2895, 285);
    FTP_PORT = MakeBox(this, "FTP_PORT", 4440, 1920, 1095, 285);
    cmdOK = MakeButton(this, "cmdOK", QCoreApplication::translate("Form5", "&OK"), 3360, 2400, 1335, 375);
    cmdCancel = MakeButton(this, "cmdCancel", QCoreApplication::translate("Form5", "&Cancel"), 4800, 2400, 1335, 375);
    Picture1 = Place(new QLabel(this), "Picture1", 360, 2280, 615, 495);
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // What screen readers announce: the grid's row and column headings, as
    // one name each, so that a language can word them its own way.
    const struct {
        QLineEdit *box;
        const char *name;
        const char *description;
    } boxes[] = {{HTTP, QT_TRANSLATE_NOOP("Form5", "HTTP proxy server"),
                  QT_TRANSLATE_NOOP("Form5", "Name or address of the proxy server for web downloads; empty for none")},
                 {HTTP_Port, QT_TRANSLATE_NOOP("Form5", "HTTP proxy port"),
                  QT_TRANSLATE_NOOP("Form5", "Port of the HTTP proxy server; 0 for no proxy")},
                 {FTP, QT_TRANSLATE_NOOP("Form5", "FTP proxy server"),
                  QT_TRANSLATE_NOOP("Form5", "Name or address of the proxy server for FTP; empty for none")},
                 {FTP_PORT, QT_TRANSLATE_NOOP("Form5", "FTP proxy port"),
                  QT_TRANSLATE_NOOP("Form5", "Port of the FTP proxy server; 0 for no proxy")}};
    for (const auto &b : boxes) {
        b.box->setAccessibleName(QCoreApplication::translate("Form5", b.name));
        b.box->setAccessibleDescription(QCoreApplication::translate("Form5", b.description));
    }
    Label2->setBuddy(HTTP);
    Label6->setBuddy(FTP);
    Picture1->setAccessibleName(QCoreApplication::translate("Form5", "Proxy settings"));

    const QList<QWidget *> order = {HTTP, HTTP_Port, FTP, FTP_PORT, cmdOK, cmdCancel};
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);

    connect(cmdOK, &QPushButton::clicked, this, &Form5::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &Form5::cmdCancel_Click);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));

    Form_Load();
}

void Form5::Form_Load()
{
    Picture1->setPixmap(desktop::ImageListPixmap(desktop::ImageList2(6), Picture1));
    Picture1->setFrameShape(QFrame::NoFrame);
    FTP_PORT->setText(m_state.FtpProxyPort);
    FTP->setText(m_state.FtpProxy);
    HTTP->setText(m_state.HttpProxy);
    HTTP_Port->setText(m_state.HttpProxyPort);
}

void Form5::cmdOK_Click()
{
    const QString &app = m_state.AppName;
    const QString section = settings::Module1::ProxySection();
    // Server names lose the spaces around them and nothing else: a tab or an
    // inner space stays, so that what is stored is what was typed.
    const QString pairs[][2] = {{QStringLiteral("HTTP"), TrimSpaces(HTTP->text())},
                                {QStringLiteral("HTTP_Port"), PortText(HTTP_Port->text())},
                                {QStringLiteral("FTP"), TrimSpaces(FTP->text())},
                                {QStringLiteral("FTP_Port"), PortText(FTP_PORT->text())}};
    for (const auto &pair : pairs) {
        // A store that cannot be written still leaves the values in force for this run.
        if (const Status saved = settings::SaveSetting(app, section, pair[0], pair[1]); !saved.ok())
            qCWarning(lcShell) << "cannot store" << pair[0] << ":" << saved.error();
    }
    m_state.FtpProxyPort = PortText(FTP_PORT->text());
    m_state.FtpProxy = TrimSpaces(FTP->text());
    m_state.HttpProxy = TrimSpaces(HTTP->text());
    m_state.HttpProxyPort = PortText(HTTP_Port->text());
    accept();
}

void Form5::cmdCancel_Click()
{
    reject();
}

void Form5::done(int result)
{
    // Closed is gone: whoever asks next gets a fresh dialog, even before this
    // one has been deleted.
    emit unloaded();
    QDialog::done(result);
}

void Form5::keyPressEvent(QKeyEvent *event)
{
    // The dialog has no cancel button, so Escape does not close it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace veldra::shell
