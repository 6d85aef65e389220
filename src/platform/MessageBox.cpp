#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace veldra::platform
{

QString ShownTitle(const QString &title)
{
    return title.isEmpty() ? QStringLiteral("Veldra") : title;
}

void MsgBox(const QString &text, MsgBoxStyle style, const QString &title)
{
    const QString shownTitle = ShownTitle(title);
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    if (style == MsgBoxStyle::Critical)
        icon = QMessageBox::Critical;
    else if (style == MsgBoxStyle::Exclamation)
        icon = QMessageBox::Warning;
    QMessageBox box(icon, shownTitle, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

} // namespace veldra::platform
