#pragma once

#include <QString>

class QWidget;
class TransferChannel;
namespace platform {
class RichTextBox;
}

// Downloads the news document into Module1::AppDir + "news.rtf" and shows it in
// `News`; offline or on failure, `News` says why instead.
void GetNews(TransferChannel &channel, platform::RichTextBox &News, const QString &baseUrl, QWidget *owner);
