#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QPair>
#include <QString>

namespace veldra::transfer
{

// Reads one HTTP/1.x answer as its bytes arrive, in pieces of any size, and
// tells a body that ended properly (its Content-Length reached, the final
// empty chunk read, or the connection closed for an answer with neither) from
// one that was cut short or is malformed. Everything the server sends is held
// to fixed bounds, so no answer can make the parser keep more than a few
// kilobytes. Interim answers (1xx other than 101) are skipped.
class HttpResponseParser
{
public:
    // The status line and header fields of an answer, all together.
    static constexpr qsizetype kMaxHeadBytes = 64 * 1024;
    static constexpr int kMaxHeaderFields = 256;
    // A chunk-size line with its extensions.
    static constexpr qsizetype kMaxChunkLineBytes = 1024;
    static constexpr int kMaxInterimAnswers = 16;

    enum class Framing { None, Length, Chunked, UntilClose };

    // Parses `data`; the body bytes it holds are appended to `body`. Bytes after
    // the end of the answer are ignored. Does nothing once complete or failed.
    void feed(QByteArrayView data, QByteArray *body);
    // The connection has closed. Whether that ended the answer properly shows in
    // complete(); an answer cut short fails, with a description.
    void connectionClosed();

    // The head of the final answer has arrived: status, reason and fields.
    bool headReady() const { return m_headReady; }
    int status() const { return m_status; }
    // The reason phrase, with anything unprintable dropped.
    QString reason() const;
    // The value of the first field called `name` (compared without case), or a
    // null array.
    QByteArray header(QByteArrayView name) const;
    Framing framing() const { return m_framing; }
    // The announced length, or -1.
    qint64 contentLength() const { return m_contentLength; }
    qint64 bodyBytes() const { return m_bodyBytes; }
    // Whether any byte of an answer arrived.
    bool answered() const { return m_answered; }

    bool complete() const { return m_state == State::Done; }
    bool failed() const { return m_state == State::Failed; }
    // What was wrong, for the user: "invalid chunk size "zz" after 16 bytes".
    QString error() const { return m_error; }
    // Whether the failure cut a body short (rather than a malformed head).
    bool bodyCutShort() const { return m_cutShort; }

private:
    enum class State {
        StatusLine,
        HeaderLines,
        Body,
        ChunkSize,
        ChunkData,
        ChunkDataCr,
        ChunkDataLf,
        Trailers,
        Done,
        Failed
    };

    qsizetype feedLine(QByteArrayView data, qsizetype from);
    qsizetype feedBody(QByteArrayView data, qsizetype from, QByteArray *body);
    void handleLine(QByteArrayView line);
    void statusLine(QByteArrayView line);
    void headerLine(QByteArrayView line);
    void chunkSizeLine(QByteArrayView line);
    void endOfHead();
    void fail(const QString &why, bool cutShort = false);
    qsizetype lineLimit() const;

    State m_state = State::StatusLine;
    QByteArray m_line;
    qsizetype m_headBytes = 0;
    qsizetype m_trailerBytes = 0;
    int m_interim = 0;
    bool m_answered = false;
    bool m_headReady = false;
    int m_status = 0;
    QByteArray m_reason;
    QList<QPair<QByteArray, QByteArray>> m_fields; // names in lower case
    Framing m_framing = Framing::None;
    qint64 m_contentLength = -1;
    qint64 m_remaining = 0; // of the body or the current chunk
    qint64 m_bodyBytes = 0;
    QString m_error;
    bool m_cutShort = false;
};

} // namespace veldra::transfer
