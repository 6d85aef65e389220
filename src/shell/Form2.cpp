#include "shell/Form2.h"

#include "platform/Twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>

using platform::TwipsRect;
using platform::TwipsToPixels;

namespace {
QPointer<Form2> g_form2;
// Title bar and borders of a standard window at 96 dots per inch: the outer
// heights are given for the whole window, the client area is what we size.
constexpr int kNonClientTwips = 405;
} // namespace

Form2::Form2(QWidget *owner)
    : QWidget(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(TwipsToPixels(7635), TwipsToPixels(1260));

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

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->geometry();
        move(avail.center() - QPoint(width() / 2, height() / 2));
    }
}

void Form2::closeEvent(QCloseEvent *event)
{
    // A closed window is gone for whoever still holds on to it: the running
    // operation's updates no longer reach the screen, and the next ShowProgress
    // builds a new one.
    if (g_form2 == this)
        g_form2 = nullptr;
    QWidget::closeEvent(event);
}

Form2 *Form2::Get(QWidget *owner)
{
    if (!g_form2)
        g_form2 = new Form2(owner);
    return g_form2;
}

Form2 *Form2::Existing()
{
    return g_form2;
}

void Form2::setOuterHeightTwips(int twips)
{
    m_outerTwips = twips;
    resize(width(), TwipsToPixels(twips - kNonClientTwips));
}

void ShowProgress(const QString &caption, const QString &status, bool showStatus, bool showBar, QWidget *owner)
{
    Form2 *f = Form2::Get(owner);
    if (owner) {
        if (f->parentWidget() != owner)
            f->setParent(owner, f->windowFlags());
        f->setWindowIcon(owner->windowIcon());
    }
    f->setWindowTitle(caption);
    if (!status.isEmpty())
        f->Status->setText(status);
    f->Status->setVisible(showStatus);
    if (showBar) {
        f->Prog->setVisible(true);
        f->Prog->setValue(0);
        f->setOuterHeightTwips(1665);
    } else {
        f->setOuterHeightTwips(1320);
        f->Prog->setVisible(false);
    }
    f->show();
    f->raise();
}

void ProgressSetValue(int value)
{
    if (Form2 *f = Form2::Existing())
        f->Prog->setValue(qBound(f->Prog->minimum(), value, f->Prog->maximum()));
}

void ProgressSetMax(int max)
{
    if (Form2 *f = Form2::Existing())
        f->Prog->setMaximum(max);
}

void ProgressSetStatus(const QString &text, bool repaintNow)
{
    if (Form2 *f = Form2::Existing()) {
        f->Status->setText(text);
        if (repaintNow && f->isVisible())
            f->Status->repaint();
    }
}

void CloseProgress()
{
    if (Form2 *f = Form2::Existing()) {
        f->close();
        // Destroy it now, so the next ShowProgress starts from a fresh window
        // even before the event loop runs again.
        delete f;
    }
}
