#include "text/OrdinaryFile.h"

#include "text/ReplacementFile.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace veldra::text
{

namespace
{

QString KindOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return QCoreApplication::translate("text", "a folder");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("text", "a pipe");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("text", "a socket");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("text", "a device");
    return QCoreApplication::translate("text", "no ordinary file");
}

} // namespace

Status OpenOrdinaryFile(QFile &file, const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        // A link at the path: the system says "Too many levels of symbolic links".
        const int error = errno;
        return Error{error == ELOOP ? QCoreApplication::translate("text", "%1 is a link, which is not read").arg(path)
                                    : SystemErrorText(error)};
    }
    struct stat info {
    };
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        return Error{SystemErrorText(error)};
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return Error{QCoreApplication::translate("text", "%1 is %2, not a file").arg(path, KindOf(info.st_mode))};
    }
    // An ordinary file never blocks; clearing the flag keeps reads plain.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        const QString why = file.errorString();
        ::close(fd);
        return Error{why};
    }
    return {};
}

} // namespace veldra::text
