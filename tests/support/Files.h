#pragma once

// File helpers the tests share.

#include "text/CodePage.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace testsupport
{

// Writes `text` in Windows-1252 followed by CR LF, as the program's text files
// are written. Returns false when the write fails.
inline bool WriteTextLine(QIODevice &file, const QString &text)
{
    QByteArray line = veldra::text::EncodeAnsi(text);
    line.append("\r\n", 2);
    return file.write(line) == line.size();
}

// Writes `bytes` to `path`, replacing what was there; the folder is made first.
inline bool WriteFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// The bytes of `path`, or empty when it cannot be read.
inline QByteArray ReadFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace testsupport
