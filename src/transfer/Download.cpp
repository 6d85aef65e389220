#include "transfer/Download.h"

#include "text/ReplacementFile.h"
#include "transfer/Progress.h"
#include "transfer/TransferChannel.h"

namespace veldra::transfer
{

using text::ReplacementFile;

namespace
{

// Streams the document into `file`. A text document is in the code page of
// the program's text files, in which every byte is one character that is
// written back as the same byte: its bytes are stored as they arrive (decoding
// and encoding each piece would give them back unchanged, at a cost that
// dominated long downloads), and the file ends with CR LF.
Status FetchInto(TransferChannel &channel, const QString &url, ReplacementFile &file, FetchAs as,
                 const DownloadLimit &limit, Progress *progress)
{
    const BodySink sink = [&file](QByteArrayView piece) { return file.write(piece); };
    BytesReport bytes;
    if (progress)
        bytes = [progress](qint64 received, qint64 total) { progress->bytesReceived(received, total); };
    if (const Status fetched = channel.Fetch(url, sink, limit, bytes); !fetched)
        return fetched;
    if (as == FetchAs::TextWithCrLf)
        return file.write("\r\n");
    return {};
}

} // namespace

Status DownloadToFile(TransferChannel &channel, const QString &url, const QString &path, FetchAs as,
                      const DownloadLimit &limit, Progress *progress)
{
    ReplacementFile file(path);
    if (const Status opened = file.open(); !opened)
        return opened;
    const Status fetched = FetchInto(channel, url, file, as, limit, progress);
    if (!fetched) {
        // Nothing of a failed document is kept: the file it leaves is empty.
        if (file.clear())
            file.commit(ReplacementFile::Replace::Anything, ReplacementFile::Sync::No);
        return fetched;
    }
    return file.commit(ReplacementFile::Replace::Anything, ReplacementFile::Sync::No);
}

Status DownloadToFileSafely(TransferChannel &channel, const QString &url, const QString &path, FetchAs as,
                            const DownloadLimit &limit, Progress *progress, ReplacementFile::Sync sync)
{
    ReplacementFile file(path);
    if (const Status opened = file.open(); !opened)
        return opened;
    if (const Status fetched = FetchInto(channel, url, file, as, limit, progress); !fetched)
        return fetched;
    return file.commit(ReplacementFile::Replace::OrdinaryFile, sync);
}

} // namespace veldra::transfer
