#include "transfer/Download.h"

#include "text/CodePage.h"
#include "transfer/TransferChannel.h"

#include <QFile>
#include <QSaveFile>

namespace veldra::transfer
{

namespace
{

Result<QByteArray> FetchForFile(TransferChannel &channel, const QString &url, FetchAs as)
{
    if (as == FetchAs::Bytes)
        return channel.OpenURLBytes(url);
    const Result<QString> text = channel.OpenURL(url);
    if (!text)
        return Error{text.error()};
    return text::EncodeAnsi(text.value()) + QByteArrayLiteral("\r\n");
}

Error CannotWrite(const QString &path, const QString &reason)
{
    return Error{QStringLiteral("Cannot write %1: %2").arg(path, reason)};
}

} // namespace

Status DownloadToFile(TransferChannel &channel, const QString &url, const QString &path, FetchAs as)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return CannotWrite(path, file.errorString());
    const Result<QByteArray> data = FetchForFile(channel, url, as);
    if (!data)
        return Error{data.error()};
    if (file.write(data.value()) != data->size() || !file.flush())
        return CannotWrite(path, file.errorString());
    file.close();
    return {};
}

Status DownloadToFileSafely(TransferChannel &channel, const QString &url, const QString &path, FetchAs as)
{
    const Result<QByteArray> data = FetchForFile(channel, url, as);
    if (!data)
        return Error{data.error()};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data.value()) != data->size() || !file.commit())
        return CannotWrite(path, file.errorString());
    return {};
}

} // namespace veldra::transfer
