#include "faq/WorkFile.h"

#include "text/ReplacementFile.h"

namespace veldra::faq
{

Status WriteWorkFile(const QString &path, QByteArrayView bytes)
{
    // The work file lives for moments and is made again by the next read: it
    // is not worth a sync.
    text::ReplacementFile file(path);
    if (const Status opened = file.open(); !opened)
        return opened;
    if (const Status written = file.write(bytes); !written)
        return written;
    return file.commit(text::ReplacementFile::Replace::Anything, text::ReplacementFile::Sync::No);
}

} // namespace veldra::faq
