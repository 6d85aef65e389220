#pragma once

#include <QDateTime>
#include <QString>

namespace veldra::store
{

// A downloaded document as the store indexes it. The caller turns the file's
// body (RTF or plain text) into plain text first.
struct DocumentText {
    QString fileName; // the server's file name: the key
    QString subject;
    QString author;
    QString body;
    QString localPath; // where the caller keeps the downloaded file
    // What a conditional request for the file needs next time.
    QString etag;
    QString lastModified; // the Last-Modified header as the server sent it
    QDateTime fetchedAt;
};

// What the store knows about one indexed document.
struct DocumentState {
    QString fileName;
    QString subject;
    QString localPath;
    QString etag;
    QString lastModified;
    QDateTime fetchedAt;
    QDateTime readAt;              // invalid when it was never read
    bool offServer = false;        // the server's index no longer lists it
    bool updatedSinceRead = false; // new text arrived after the user read it
};

} // namespace veldra::store
