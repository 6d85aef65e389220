#include "transfer/Download.h"

#include "platform/CodePage.h"
#include "transfer/TransferChannel.h"

#include <QFile>
#include <QSaveFile>

namespace
{

bool FetchForFile(TransferChannel &channel, const QString &url, FetchAs as, QByteArray *data, QString *error)
{
    if (as == FetchAs::Bytes)
        return channel.OpenURLBytes(url, data, error);
    QString text;
    if (!channel.OpenURL(url, &text, error))
        return false;
    *data = platform::EncodeAnsi(text) + QByteArrayLiteral("\r\n");
    return true;
}

QString CannotWrite(const QString &path, const QString &reason)
{
    return QStringLiteral("Cannot write %1: %2").arg(path, reason);
}

bool Report(QString *error, const QString &description)
{
    if (error)
        *error = description;
    return false;
}

} // namespace

bool DownloadToFile(TransferChannel &channel, const QString &url, const QString &path, FetchAs as, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return Report(error, CannotWrite(path, file.errorString()));
    QByteArray data;
    QString why;
    if (!FetchForFile(channel, url, as, &data, &why))
        return Report(error, why);
    if (file.write(data) != data.size() || !file.flush())
        return Report(error, CannotWrite(path, file.errorString()));
    file.close();
    return true;
}

bool DownloadToFileSafely(TransferChannel &channel, const QString &url, const QString &path, FetchAs as, QString *error)
{
    QByteArray data;
    QString why;
    if (!FetchForFile(channel, url, as, &data, &why))
        return Report(error, why);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        return Report(error, CannotWrite(path, file.errorString()));
    return true;
}
