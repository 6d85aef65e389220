#include "desktop/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace veldra::desktop
{

QString ShownTitle(const QString &title)
{
    return title.isEmpty() ? QStringLiteral("Veldra") : title;
}

QString ElidedMessageText(const QString &text)
{
    if (text.size() <= kMaxMessageLength)
        return text;
    qsizetype keep = kMaxMessageLength - 1;
    // Never half a character outside the basic plane.
    if (text.at(keep - 1).isHighSurrogate())
        --keep;
    return text.left(keep) + QChar(0x2026);
}

std::unique_ptr<QMessageBox> MakeMsgBox(const QString &text, MsgBoxStyle style, const QString &title, QWidget *parent)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    if (style == MsgBoxStyle::Critical)
        icon = QMessageBox::Critical;
    else if (style == MsgBoxStyle::Exclamation)
        icon = QMessageBox::Warning;
    auto box = std::make_unique<QMessageBox>(icon, ShownTitle(title), ElidedMessageText(text), QMessageBox::Ok, parent);
    // What a server sent is shown as it is, never read as markup.
    box->setTextFormat(Qt::PlainText);
    return box;
}

void MsgBox(const QString &text, MsgBoxStyle style, const QString &title)
{
    MakeMsgBox(text, style, title, QApplication::activeWindow())->exec();
}

} // namespace veldra::desktop
