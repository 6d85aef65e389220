#include "faq/FaqFileName.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>

namespace veldra::faq
{

namespace
{

bool HasUnsafeCharacter(const QString &name)
{
    for (QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            return true;
    }
    return false;
}

// The name as a message shows it: control characters would make the message
// unreadable, so they appear as their codes.
QString Shown(const QString &name)
{
    QString shown;
    for (QChar c : name) {
        if (c.category() == QChar::Other_Control)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

} // namespace

Status IsPlainFaqFileName(const QString &name)
{
    const bool plain =
        !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") && !HasUnsafeCharacter(name);
    if (!plain)
        return Error{QCoreApplication::translate("faq", "the file name %1 is not a plain file name").arg(Shown(name))};
    return {};
}

Status IsNotProgramFileName(const QString &name, const QString &executableName)
{
    static const QStringList own = {QStringLiteral("script.dat"), QStringLiteral("news.rtf"),
                                    QStringLiteral("hand.cur")};
    const bool programs = own.contains(name, Qt::CaseInsensitive) ||
                          name.endsWith(QLatin1String(".tmp"), Qt::CaseInsensitive) ||
                          (!executableName.isEmpty() && name.compare(executableName, Qt::CaseInsensitive) == 0);
    if (programs)
        return Error{
            QCoreApplication::translate("faq", "the file name %1 is one of the program's own files").arg(Shown(name))};
    return {};
}

Status IsReplaceableLocalCopy(const QString &path, const QString &name)
{
    const QFileInfo info(path);
    const QFileDevice::Permissions runnable = QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    const bool replaceable =
        !info.isSymLink() && (!info.exists() || (info.isFile() && !(info.permissions() & runnable)));
    if (!replaceable)
        return Error{QCoreApplication::translate("faq", "the file name %1 belongs to a file that is not a FAQ document")
                         .arg(Shown(name))};
    return {};
}

QString FaqUrlSegment(const QString &name)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(name));
}

} // namespace veldra::faq
