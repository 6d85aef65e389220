// Writes arbitrary bytes to a file and reads its FAQ header.
#include "support/ReadFaqHeader.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

namespace
{
QTemporaryDir *dir = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    dir = new QTemporaryDir;
    return dir->isValid() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString name = dir->filePath(QStringLiteral("doc.txt"));
    {
        QFile f(name);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    // The path is passed with spaces around it, as callers may do.
    QString path = QStringLiteral("  ") + name + QStringLiteral(" ");
    const veldra::Result<veldra::faq::FaqHeader> h = testsupport::ReadFaqHeader(path);
    if (path != name || !h.ok() || h->FileName != name)
        __builtin_trap();
    return 0;
}
