#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace testsupport
{

// A field of this process's /proc/self/status in kB ("VmRSS:" resident now,
// "VmHWM:" the peak), or -1 when it cannot be read.
inline qint64 StatusKb(const char *key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

} // namespace testsupport
