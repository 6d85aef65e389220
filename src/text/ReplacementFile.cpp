#include "text/ReplacementFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace veldra::text
{

namespace
{

QString RandomLetters(int count)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString text;
    for (int i = 0; i < count; ++i)
        text += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)]);
    return text;
}

bool IsReplaceable(const QFileInfo &info)
{
    const QFileDevice::Permissions runnable = QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
    return !info.isSymLink() && (!info.exists() || (info.isFile() && !(info.permissions() & runnable)));
}

} // namespace

QString SystemErrorText(int errorNumber)
{
    return qt_error_string(errorNumber);
}

ReplacementFile::ReplacementFile(const QString &target)
    : m_target(target)
{
}

ReplacementFile::~ReplacementFile()
{
    discard();
}

Error ReplacementFile::failure(const QString &reason) const
{
    return Error{QCoreApplication::translate("text", "Cannot write %1: %2").arg(m_target, reason)};
}

QString ReplacementFile::temporaryPath() const
{
    return m_fd >= 0 ? m_path : QString();
}

Status ReplacementFile::open()
{
    discard();
    const QString folder = QFileInfo(m_target).absolutePath() + QLatin1Char('/');
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString path = folder + QLatin1String(kPrefix) + RandomLetters(12) + QLatin1String(kSuffix);
        // Exclusive: fails on anything already there, a link included, so the
        // bytes can only ever land in a file this call made.
        const int fd =
            ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0) {
            const int error = errno;
            if (error == EEXIST)
                continue;
            return failure(SystemErrorText(error));
        }
        m_path = path;
        m_fd = fd;
        return {};
    }
    return failure(QCoreApplication::translate("text", "no new file name could be found in its folder"));
}

Status ReplacementFile::write(QByteArrayView bytes)
{
    if (m_fd < 0)
        return failure(QCoreApplication::translate("text", "the file is not open"));
    // The system's calls directly: their error number is the reason the user
    // sees, where a buffered file object may only know "Unknown error".
    const char *data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(m_fd, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return failure(SystemErrorText(n < 0 ? errno : ENOSPC));
        data += n;
        left -= n;
    }
    return {};
}

Status ReplacementFile::clear()
{
    if (m_fd < 0)
        return failure(QCoreApplication::translate("text", "the file is not open"));
    if (::ftruncate(m_fd, 0) != 0 || ::lseek(m_fd, 0, SEEK_SET) != 0)
        return failure(SystemErrorText(errno));
    return {};
}

Status ReplacementFile::commit(Replace what, Sync sync)
{
    if (m_fd < 0)
        return failure(QCoreApplication::translate("text", "the file is not open"));
    const QString path = m_path;
    // A write the system held back can still fail for lack of space; it
    // shows here, with its reason, before anything is replaced.
    if (sync == Sync::Yes && ::fsync(m_fd) != 0 && errno != EINVAL && errno != EROFS) {
        const Error error = failure(SystemErrorText(errno));
        discard();
        return error;
    }
    if (what == Replace::OrdinaryFile && !IsReplaceable(QFileInfo(m_target))) {
        // Something was put there while the document was arriving.
        const Error error = failure(QCoreApplication::translate("text", "it is a link, a folder or a program file"));
        discard();
        return error;
    }
    const int fd = std::exchange(m_fd, -1);
    if (::close(fd) != 0 && errno != EINTR) {
        const Error error = failure(SystemErrorText(errno));
        ::unlink(QFile::encodeName(path).constData());
        return error;
    }
    // rename() replaces whatever has the target's name, a link included,
    // without following it.
    if (std::rename(QFile::encodeName(path).constData(), QFile::encodeName(m_target).constData()) != 0) {
        const Error error = failure(SystemErrorText(errno));
        ::unlink(QFile::encodeName(path).constData());
        return error;
    }
    return {};
}

void ReplacementFile::discard()
{
    if (m_fd < 0)
        return;
    ::close(std::exchange(m_fd, -1));
    ::unlink(QFile::encodeName(m_path).constData());
}

} // namespace veldra::text
