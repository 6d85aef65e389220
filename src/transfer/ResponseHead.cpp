#include "transfer/ResponseHead.h"

#include "text/AsciiChar.h"

#include <algorithm>

namespace veldra::transfer
{

namespace
{

QByteArrayView Trimmed(QByteArrayView text)
{
    while (!text.isEmpty() && (text.front() == ' ' || text.front() == '\t'))
        text = text.sliced(1);
    while (!text.isEmpty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' || text.back() == '\n'))
        text.chop(1);
    return text;
}

// Only visible ASCII and blanks: a value that goes back into a request
// header, or into a message, can carry nothing else.
bool Printable(QByteArrayView value)
{
    for (const char c : value)
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7e)
            return false;
    return true;
}

QByteArray Kept(QByteArrayView value)
{
    if (value.size() > ResponseHead::kMaxValue || !Printable(value))
        return QByteArray();
    return value.toByteArray();
}

// A whole number of at most 18 digits, or -1.
qint64 Length(QByteArrayView value)
{
    if (value.isEmpty() || value.size() > 18)
        return -1;
    qint64 n = 0;
    for (const char c : value) {
        if (!text::IsAsciiDigit(c))
            return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

} // namespace

void ResponseHead::feed(QByteArrayView line)
{
    if (line.startsWith("HTTP/")) {
        startAnswer(line);
        return;
    }
    if (m_complete || !m_answered)
        return;
    const QByteArrayView text = Trimmed(line);
    if (text.isEmpty()) {
        m_complete = true;
        return;
    }
    const qsizetype colon = text.indexOf(':');
    if (colon > 0)
        field(text.first(colon), Trimmed(text.sliced(colon + 1)));
}

void ResponseHead::startAnswer(QByteArrayView statusLine)
{
    *this = ResponseHead();
    m_answered = true;
    // "HTTP/1.1 404 Not Found", "HTTP/2 200"
    const QByteArrayView line = Trimmed(statusLine);
    const qsizetype space = line.indexOf(' ');
    if (space < 0)
        return;
    const QByteArrayView rest = line.sliced(space + 1);
    const QByteArrayView code = rest.first(std::min<qsizetype>(3, rest.size()));
    const qint64 status = Length(code);
    m_status = code.size() == 3 ? int(status) : 0;
    if (rest.size() > 4)
        m_reason = Kept(Trimmed(rest.sliced(4)));
}

void ResponseHead::field(QByteArrayView name, QByteArrayView value)
{
    if (name.compare("Location", Qt::CaseInsensitive) == 0) {
        m_location = Kept(value);
    } else if (name.compare("ETag", Qt::CaseInsensitive) == 0) {
        m_etag = Kept(value);
    } else if (name.compare("Last-Modified", Qt::CaseInsensitive) == 0) {
        m_lastModified = Kept(value);
    } else if (name.compare("Content-Length", Qt::CaseInsensitive) == 0) {
        m_contentLength = Length(value);
    } else if (name.compare("Content-Encoding", Qt::CaseInsensitive) == 0) {
        m_encoded = m_encoded || value.compare("identity", Qt::CaseInsensitive) != 0;
    }
}

} // namespace veldra::transfer
