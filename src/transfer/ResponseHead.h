#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace veldra::transfer
{

// The head of the answer being received, read from the lines curl hands over
// one by one: interim answers, redirects and the final answer each start
// afresh with their status line. Only the fields the program acts on are
// kept, each bounded, so a hostile head costs no memory.
class ResponseHead
{
public:
    // Longest field value kept; longer ones are dropped as though absent.
    static constexpr qsizetype kMaxValue = 1024;

    // One header line with its line end. Lines after a complete head that do
    // not start a new answer (the trailers of a chunked body) change nothing.
    void feed(QByteArrayView line);

    // The empty line after the fields has arrived.
    bool complete() const { return m_complete; }
    int status() const { return m_status; }
    // The reason phrase of HTTP/1 ("Not Found"); HTTP/2 has none.
    QByteArray reason() const { return m_reason; }
    QByteArray location() const { return m_location; }
    QByteArray etag() const { return m_etag; }
    QByteArray lastModified() const { return m_lastModified; }
    // Content-Length as announced, or -1.
    qint64 contentLength() const { return m_contentLength; }
    // The body comes in an encoding (Content-Encoding other than identity).
    bool encoded() const { return m_encoded; }
    // Any status line has arrived, interim answers included.
    bool answered() const { return m_answered; }

    bool interim() const { return m_status >= 100 && m_status < 200; }
    // An answer that points elsewhere and has a place to point to: curl follows it.
    bool redirect() const { return m_status >= 300 && m_status < 400 && m_status != 304 && !m_location.isEmpty(); }

private:
    void startAnswer(QByteArrayView statusLine);
    void field(QByteArrayView name, QByteArrayView value);

    bool m_answered = false;
    bool m_complete = false;
    int m_status = 0;
    QByteArray m_reason;
    QByteArray m_location;
    QByteArray m_etag;
    QByteArray m_lastModified;
    qint64 m_contentLength = -1;
    bool m_encoded = false;
};

} // namespace veldra::transfer
