#pragma once

// Whole-document fetches into memory, for tests and benchmarks that look at a
// body: the program itself always streams a document into a file.

#include "text/CodePage.h"
#include "transfer/TransferChannel.h"

#include <QByteArray>
#include <QString>

namespace testsupport
{

inline veldra::Result<QByteArray> OpenURLBytes(veldra::transfer::TransferChannel &channel, const QString &url,
                                               const veldra::transfer::DownloadLimit &limit = {})
{
    QByteArray body;
    const veldra::transfer::BodySink collect = [&body](QByteArrayView piece) {
        body.append(piece);
        return veldra::Status();
    };
    if (const veldra::Status fetched = channel.Fetch(url, collect, limit); !fetched)
        return veldra::Error{fetched.error()};
    return body;
}

// The body as Windows-1252 text.
inline veldra::Result<QString> OpenURL(veldra::transfer::TransferChannel &channel, const QString &url,
                                       const veldra::transfer::DownloadLimit &limit = {})
{
    veldra::Result<QByteArray> body = OpenURLBytes(channel, url, limit);
    if (!body)
        return veldra::Error{body.error()};
    return veldra::text::DecodeAnsi(body.value());
}

} // namespace testsupport
