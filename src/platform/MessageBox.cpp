#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {

namespace {
MsgBoxHook &hook()
{
    static MsgBoxHook h;
    return h;
}
} // namespace

void SetMsgBoxHook(MsgBoxHook h)
{
    hook() = std::move(h);
}

void MsgBox(const QString &text, int style, const QString &title)
{
    const QString shownTitle = title.isEmpty() ? QStringLiteral("Veldra") : title;
    if (hook()) {
        hook()(MsgBoxCall{text, style, shownTitle});
        return;
    }
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    if (style == MsgCritical)
        icon = QMessageBox::Critical;
    else if (style == MsgExclamation)
        icon = QMessageBox::Warning;
    QMessageBox box(icon, shownTitle, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

} // namespace platform
