#include "shell/Form2.h"

#include "desktop/Twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

namespace veldra::shell
{

using desktop::TwipsRect;
using desktop::TwipsToPixels;

namespace
{
// Title bar and borders of a standard window at 96 dots per inch: the outer
// heights are given for the whole window, the client area is what we size.
constexpr int kNonClientTwips = 405;
constexpr int kClientTwips = 1260;
// The row under the status line and bar that holds Cancel, and the button in it,
// right-aligned with the bar.
constexpr int kCancelRowTwips = 480;
constexpr int kCancelWidthTwips = 1335;
constexpr int kCancelHeightTwips = 375;
constexpr int kCancelLeftTwips = 240 + 7335 - kCancelWidthTwips;
} // namespace

Form2::Form2(QWidget *owner)
    : QWidget(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    // The client area the layout gives, and the row for Cancel under it.
    resize(TwipsToPixels(7635), TwipsToPixels(kClientTwips + kCancelRowTwips));

    Status = new QLabel(this);
    Status->setObjectName(QStringLiteral("Status"));
    Status->setGeometry(TwipsRect(240, 120, 7215, 1335));
    Status->setWordWrap(true);
    Status->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Prog = new QProgressBar(this);
    Prog->setObjectName(QStringLiteral("Prog"));
    Prog->setGeometry(TwipsRect(240, 600, 7335, 255));
    Prog->setRange(0, 100);
    Prog->setValue(0);
    Prog->setTextVisible(false);

    cmdCancel = new QPushButton(QCoreApplication::translate("Form2", "&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setEnabled(false);
    connect(cmdCancel, &QPushButton::clicked, this, &Form2::cancelClicked);
    placeCancel(kClientTwips);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
}

void Form2::closeEvent(QCloseEvent *event)
{
    // A closed window is gone for whoever still holds on to it: the running
    // operation's updates no longer reach the screen, and the next ShowProgress
    // builds a new one.
    emit unloaded();
    QWidget::closeEvent(event);
}

void Form2::setOuterHeightTwips(int twips)
{
    m_outerTwips = twips;
    const int client = twips - kNonClientTwips;
    resize(width(), TwipsToPixels(client + kCancelRowTwips));
    placeCancel(client);
}

void Form2::placeCancel(int clientTwips)
{
    cmdCancel->setGeometry(TwipsRect(kCancelLeftTwips, clientTwips + (kCancelRowTwips - kCancelHeightTwips) / 2,
                                     kCancelWidthTwips, kCancelHeightTwips));
}

void Form2::setCancelEnabled(bool enabled)
{
    cmdCancel->setEnabled(enabled);
}

void Form2::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (cmdCancel->isEnabled())
            cmdCancel->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form2::ShowProgress(const QString &caption, const QString &status, bool showStatus, bool showBar)
{
    if (QWidget *owner = parentWidget())
        setWindowIcon(owner->windowIcon());
    setWindowTitle(caption);
    if (!status.isEmpty())
        Status->setText(status);
    Status->setVisible(showStatus);
    if (showBar) {
        Prog->setVisible(true);
        Prog->setValue(0);
        setOuterHeightTwips(1665);
    } else {
        setOuterHeightTwips(1320);
        Prog->setVisible(false);
    }
    show();
    raise();
}

void Form2::setValue(int value)
{
    // The bar would paint itself at once on every change it shows, in the
    // middle of whatever sets it; a search sets it several times in moments.
    // It is painted with the window's next update instead, which a transfer's
    // events bring at once.
    Prog->setUpdatesEnabled(false);
    Prog->setValue(qBound(Prog->minimum(), value, Prog->maximum()));
    Prog->setUpdatesEnabled(true);
}

void Form2::setMaximum(int maximum)
{
    Prog->setMaximum(maximum);
}

void Form2::setStatus(const QString &text, bool repaintNow)
{
    Status->setText(text);
    if (repaintNow && isVisible())
        Status->repaint();
}

} // namespace veldra::shell
