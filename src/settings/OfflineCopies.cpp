#include "settings/OfflineCopies.h"

#include "settings/Log.h"
#include "text/OrdinaryFile.h"
#include "text/ReplacementFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

namespace veldra::settings
{

namespace
{

constexpr qint64 kChunk = 64 * 1024;

Error CannotCopy(const QString &from, const QString &to, const QString &reason)
{
    return Error{QCoreApplication::translate("settings", "Cannot copy %1 to %2: %3").arg(from, to, reason)};
}

} // namespace

OfflineCopies::OfflineCopies(QString folder)
    : m_folder(std::move(folder))
{
    if (!m_folder.isEmpty() && !m_folder.endsWith(QLatin1Char('/')))
        m_folder += QLatin1Char('/');
}

QString OfflineCopies::DefaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/Veldra/");
}

QString OfflineCopies::copyOf(const QString &workFile) const
{
    return m_folder + QFileInfo(workFile).fileName();
}

Status OfflineCopies::keep(const QString &workFile) const
{
    // No folder is no cache, never the current or the root folder.
    if (m_folder.isEmpty())
        return Error{QCoreApplication::translate("settings", "No folder for offline copies")};
    if (!QDir().mkpath(m_folder))
        return Error{QCoreApplication::translate("settings", "Cannot make the folder ") + m_folder};
    const Status copied = CopyFileSafely(workFile, copyOf(workFile));
    qCDebug(lcSettings) << "offline copy of" << workFile << (copied ? QStringLiteral("kept") : copied.error());
    return copied;
}

Result<QDateTime> OfflineCopies::restore(const QString &workFile) const
{
    if (m_folder.isEmpty())
        return Error{QCoreApplication::translate("settings", "No folder for offline copies")};
    const QString copy = copyOf(workFile);
    const QFileInfo info(copy);
    // Only a plain file counts: a link or a folder in the cache is nothing we kept.
    if (info.isSymLink() || !info.isFile())
        return Error{QCoreApplication::translate("settings", "No offline copy of ") + info.fileName()};
    const QDateTime downloaded = info.lastModified();
    if (const Status copied = CopyFileSafely(copy, workFile); !copied)
        return Error{copied.error()};
    qCDebug(lcSettings) << "offline copy of" << workFile << "from" << downloaded << "put back";
    return downloaded;
}

Status CopyFileSafely(const QString &from, const QString &to)
{
    QFile in;
    if (const Status opened = text::OpenOrdinaryFile(in, from); !opened)
        return CannotCopy(from, to, opened.error());
    // Through the one safe writer, whose errors name `to`: an existing `to`,
    // or a link in its place, is never opened for writing, and a failed copy
    // leaves it as it was. No sync: both copies are fetched again at the next
    // good start.
    text::ReplacementFile out(to);
    if (const Status opened = out.open(); !opened)
        return opened;
    for (;;) {
        const QByteArray chunk = in.read(kChunk);
        if (chunk.isEmpty()) {
            if (in.error() != QFileDevice::NoError)
                return CannotCopy(from, to, in.errorString());
            break;
        }
        if (const Status written = out.write(chunk); !written)
            return written;
    }
    return out.commit(text::ReplacementFile::Replace::Anything, text::ReplacementFile::Sync::No);
}

QString OfflineDate(const QDateTime &when)
{
    // The day is written in the language of the program's texts, which need
    // not be the locale's: each catalogue names its own language and format.
    const QLocale language(QCoreApplication::translate("settings", "C", "the locale the dates are written in"));
    return language.toString(when.date(), QCoreApplication::translate("settings", "d MMMM yyyy", "date format"));
}

} // namespace veldra::settings
