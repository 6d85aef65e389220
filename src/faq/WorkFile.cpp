#include "faq/WorkFile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace veldra::faq
{

namespace
{

Error SystemError(int code)
{
    return Error{QString::fromLocal8Bit(std::strerror(code))};
}

} // namespace

Status WriteWorkFile(const QString &path, QByteArrayView bytes)
{
    const QByteArray name = QFile::encodeName(path);
    if (::unlink(name.constData()) != 0 && errno != ENOENT)
        return SystemError(errno);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return SystemError(errno);
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Error{file.errorString()};
    }
    const bool written = file.write(bytes.data(), bytes.size()) == bytes.size() && file.flush();
    const QString why = file.errorString();
    file.close();
    if (!written) {
        // Half a work file helps nobody; the next run would empty it anyway.
        ::unlink(name.constData());
        return Error{why};
    }
    return {};
}

} // namespace veldra::faq
