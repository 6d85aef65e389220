#include "news/GetNews.h"

#include "news/IsOnline.h"
#include "platform/RichTextBox.h"
#include "settings/Module1.h"
#include "shell/Form2.h"
#include "transfer/ApplyProxy.h"
#include "transfer/TransferChannel.h"

#include <QFile>

namespace {

// Writes exactly the bytes received, nothing added.
bool WriteNewsFile(const QString &path, const QByteArray &bytes, QString *error)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        *error = f.errorString();
        return false;
    }
    f.close();
    if (f.error() != QFileDevice::NoError) {
        *error = f.errorString();
        return false;
    }
    return true;
}

// The steps that can fail; returns false with a description on the first failure.
bool FetchAndShow(TransferChannel &channel, platform::RichTextBox &News, const QString &baseUrl, QString *error)
{
    channel.setRequestTimeout(120);
    ApplyProxy(channel, Module1::HttpProxy, Module1::HttpProxyPort);
    QByteArray bytes;
    if (!channel.OpenURLBytes(baseUrl + QStringLiteral("test.rtf"), &bytes, error))
        return false;
    const QString path = Module1::AppDir + QStringLiteral("news.rtf");
    if (!WriteNewsFile(path, bytes, error))
        return false;
    WaitForTransfer(channel);
    channel.setUrl(QString());
    if (!News.loadFile(path)) {
        *error = News.error();
        return false;
    }
    // A document that shows nothing but blanks or line breaks is as good as none.
    if (News.text().trimmed().isEmpty())
        News.setText(QStringLiteral("Could not retrieve news, please check you proxy settings!"));
    return true;
}

} // namespace

void GetNews(TransferChannel &channel, platform::RichTextBox &News, const QString &baseUrl, QWidget *owner)
{
    if (!IsOnline()) {
        News.setText(QStringLiteral("No news to show , because you are offline.\r\n"
                                    "Select 'Get News' in the 'On-line' menu if you are online."));
        return;
    }
    News.setText(QString());
    ShowProgress(QStringLiteral("Please wait..."), QStringLiteral("Download news from server..."), true, false, owner);
    QString error;
    if (!FetchAndShow(channel, News, baseUrl, &error))
        News.setText(QStringLiteral("Unable to receive news: ") + error);
    CloseProgress();
}
