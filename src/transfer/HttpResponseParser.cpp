#include "transfer/HttpResponseParser.h"

#include "text/AsciiChar.h"

namespace veldra::transfer
{

namespace
{

using text::HexValue;
using text::IsAsciiDigit;

bool IsTokenChar(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if (u <= 32 || u >= 127)
        return false;
    return !QByteArrayView("\"(),/:;<=>?@[\\]{}").contains(c);
}

QByteArrayView TrimBlanks(QByteArrayView v)
{
    while (!v.isEmpty() && (v.front() == ' ' || v.front() == '\t'))
        v = v.sliced(1);
    while (!v.isEmpty() && (v.back() == ' ' || v.back() == '\t'))
        v.chop(1);
    return v;
}

// Server text as a message may show it: printable ASCII only, and short.
QString Shown(QByteArrayView bytes)
{
    QString shown;
    for (char c : bytes.first(qMin<qsizetype>(bytes.size(), 32)))
        shown += (c >= 32 && c < 127) ? QChar::fromLatin1(c) : QChar(u'?');
    if (bytes.size() > 32)
        shown += QChar(u'\u2026');
    return shown;
}

// A decimal length: 1 to 18 digits, so that it fits a qint64.
qint64 ParseLength(QByteArrayView text)
{
    if (text.isEmpty() || text.size() > 18)
        return -1;
    qint64 value = 0;
    for (char c : text) {
        if (!IsAsciiDigit(c))
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

void HttpResponseParser::feed(QByteArrayView data, QByteArray *body)
{
    if (!data.isEmpty())
        m_answered = true;
    qsizetype at = 0;
    while (at < data.size() && m_state != State::Done && m_state != State::Failed) {
        switch (m_state) {
        case State::Body:
        case State::ChunkData:
            at = feedBody(data, at, body);
            break;
        case State::ChunkDataCr:
        case State::ChunkDataLf: {
            const char c = data.at(at++);
            if (c == '\n')
                m_state = State::ChunkSize;
            else if (c == '\r' && m_state == State::ChunkDataCr)
                m_state = State::ChunkDataLf;
            else
                fail(QStringLiteral("The document arrived incomplete: the server sent a chunk longer than it "
                                    "announced after %1 bytes")
                         .arg(m_bodyBytes),
                     true);
            break;
        }
        default:
            at = feedLine(data, at);
            break;
        }
    }
}

qsizetype HttpResponseParser::lineLimit() const
{
    switch (m_state) {
    case State::ChunkSize:
        return kMaxChunkLineBytes;
    case State::Trailers:
        return kMaxHeadBytes - m_trailerBytes;
    default:
        return kMaxHeadBytes - m_headBytes;
    }
}

qsizetype HttpResponseParser::feedLine(QByteArrayView data, qsizetype from)
{
    const qsizetype lf = data.indexOf('\n', from);
    const qsizetype end = lf < 0 ? data.size() : lf + 1;
    if (m_line.size() + (end - from) > lineLimit()) {
        if (m_state == State::ChunkSize)
            fail(QStringLiteral("The document arrived incomplete: the server sent a chunk-size line longer than "
                                "%1 bytes after %2 bytes")
                     .arg(kMaxChunkLineBytes)
                     .arg(m_bodyBytes),
                 true);
        else if (m_state == State::Trailers)
            fail(QStringLiteral("The document arrived incomplete: the server sent more than %1 KiB of trailer "
                                "fields after its last chunk")
                     .arg(kMaxHeadBytes / 1024),
                 true);
        else
            fail(QStringLiteral("The server's answer is not valid HTTP: its head is larger than %1 KiB")
                     .arg(kMaxHeadBytes / 1024));
        return data.size();
    }
    m_line.append(data.sliced(from, end - from));
    if (m_state == State::StatusLine && !m_line.startsWith('\r') && !m_line.startsWith('\n')) {
        // Something that is no HTTP answer at all is refused at its first bytes,
        // not when (if ever) its first line ends.
        const qsizetype n = qMin<qsizetype>(m_line.size(), 5);
        if (QByteArrayView(m_line).first(n) != QByteArrayView("HTTP/").first(n)) {
            fail(QStringLiteral("The server's answer is not valid HTTP: it does not start with \"HTTP/\""));
            return data.size();
        }
    }
    if (lf >= 0) {
        if (m_state == State::Trailers)
            m_trailerBytes += m_line.size();
        else if (m_state != State::ChunkSize)
            m_headBytes += m_line.size();
        QByteArrayView line(m_line);
        line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        handleLine(line);
        m_line.clear();
    }
    return end;
}

qsizetype HttpResponseParser::feedBody(QByteArrayView data, qsizetype from, QByteArray *body)
{
    qsizetype n = data.size() - from;
    if (m_remaining >= 0 && m_remaining < n)
        n = qsizetype(m_remaining);
    body->append(data.sliced(from, n));
    m_bodyBytes += n;
    if (m_remaining >= 0) {
        m_remaining -= n;
        if (m_remaining == 0)
            m_state = m_state == State::Body ? State::Done : State::ChunkDataCr;
    }
    return from + n;
}

void HttpResponseParser::handleLine(QByteArrayView line)
{
    switch (m_state) {
    case State::StatusLine:
        statusLine(line);
        break;
    case State::HeaderLines:
        headerLine(line);
        break;
    case State::ChunkSize:
        chunkSizeLine(line);
        break;
    case State::Trailers:
        // Trailer fields carry nothing this program uses.
        if (line.isEmpty())
            m_state = State::Done;
        break;
    default:
        break;
    }
}

void HttpResponseParser::statusLine(QByteArrayView line)
{
    // Empty lines before the status line are tolerated, as HTTP asks of clients.
    if (line.isEmpty())
        return;
    const bool shaped = line.size() >= 12 && line.startsWith("HTTP/") && IsAsciiDigit(line.at(5)) &&
                        line.at(6) == '.' && IsAsciiDigit(line.at(7)) && line.at(8) == ' ' &&
                        IsAsciiDigit(line.at(9)) && IsAsciiDigit(line.at(10)) && IsAsciiDigit(line.at(11)) &&
                        (line.size() == 12 || line.at(12) == ' ');
    if (!shaped) {
        fail(QStringLiteral("The server's answer is not valid HTTP: it starts with \"%1\"").arg(Shown(line)));
        return;
    }
    m_status = (line.at(9) - '0') * 100 + (line.at(10) - '0') * 10 + (line.at(11) - '0');
    if (m_status < 100 || m_status > 599) {
        fail(QStringLiteral("The server's answer is not valid HTTP: status %1").arg(m_status));
        return;
    }
    m_reason = line.size() > 13 ? line.sliced(13).toByteArray() : QByteArray();
    m_fields.clear();
    m_state = State::HeaderLines;
}

void HttpResponseParser::headerLine(QByteArrayView line)
{
    if (line.isEmpty()) {
        endOfHead();
        return;
    }
    const qsizetype colon = line.indexOf(':');
    bool named = colon > 0;
    for (qsizetype i = 0; named && i < colon; ++i)
        named = IsTokenChar(line.at(i));
    if (!named) {
        fail(QStringLiteral("The server's answer is not valid HTTP: the header line \"%1\"").arg(Shown(line)));
        return;
    }
    if (m_fields.size() >= kMaxHeaderFields) {
        fail(QStringLiteral("The server's answer is not valid HTTP: more than %1 header fields").arg(kMaxHeaderFields));
        return;
    }
    m_fields.append({line.first(colon).toByteArray().toLower(), TrimBlanks(line.sliced(colon + 1)).toByteArray()});
}

void HttpResponseParser::endOfHead()
{
    if (m_status < 200 && m_status != 101) {
        if (++m_interim > kMaxInterimAnswers) {
            fail(QStringLiteral("The server's answer is not valid HTTP: more than %1 interim answers")
                     .arg(kMaxInterimAnswers));
            return;
        }
        m_state = State::StatusLine;
        return;
    }
    m_headReady = true;
    if (m_status < 200 || m_status == 204 || m_status == 304) {
        m_framing = Framing::None;
        m_state = State::Done;
        return;
    }

    QList<QByteArray> codings;
    bool hasCodings = false;
    qint64 length = -1;
    for (const auto &field : std::as_const(m_fields)) {
        if (field.first == "transfer-encoding") {
            hasCodings = true;
            for (const QByteArray &coding : field.second.split(','))
                if (!TrimBlanks(coding).isEmpty())
                    codings.append(TrimBlanks(coding).toByteArray().toLower());
        } else if (field.first == "content-length") {
            for (const QByteArray &part : field.second.split(',')) {
                const qint64 value = ParseLength(TrimBlanks(part));
                if (value < 0 || (length >= 0 && value != length)) {
                    fail(QStringLiteral("The server's answer is not valid HTTP: Content-Length \"%1\"")
                             .arg(Shown(field.second)));
                    return;
                }
                length = value;
            }
        }
    }
    if (hasCodings) {
        // The program asks for the document as it is; chunks are the only
        // coding it takes, and they decide the end of the body.
        if (codings != QList<QByteArray>{QByteArrayLiteral("chunked")}) {
            fail(QStringLiteral("The server's answer is not valid HTTP: unsupported transfer coding \"%1\"")
                     .arg(Shown(header("transfer-encoding"))));
            return;
        }
        m_framing = Framing::Chunked;
        m_state = State::ChunkSize;
        return;
    }
    if (length >= 0) {
        m_framing = Framing::Length;
        m_contentLength = length;
        m_remaining = length;
        m_state = length == 0 ? State::Done : State::Body;
        return;
    }
    m_framing = Framing::UntilClose;
    m_remaining = -1;
    m_state = State::Body;
}

void HttpResponseParser::chunkSizeLine(QByteArrayView line)
{
    const qsizetype semicolon = line.indexOf(';');
    QByteArrayView digits = semicolon < 0 ? line : line.first(semicolon);
    while (!digits.isEmpty() && (digits.back() == ' ' || digits.back() == '\t'))
        digits.chop(1);
    bool valid = !digits.isEmpty();
    for (char c : digits)
        valid = valid && HexValue(c) >= 0;
    if (!valid) {
        fail(QStringLiteral("The document arrived incomplete: the server sent an invalid chunk size \"%1\" after "
                            "%2 bytes")
                 .arg(Shown(line))
                 .arg(m_bodyBytes),
             true);
        return;
    }
    while (digits.size() > 1 && digits.front() == '0')
        digits = digits.sliced(1);
    if (digits.size() > 15) {
        fail(QStringLiteral("The document arrived incomplete: the server announced a chunk of 0x%1 bytes after %2 "
                            "bytes")
                 .arg(Shown(digits))
                 .arg(m_bodyBytes),
             true);
        return;
    }
    qint64 size = 0;
    for (char c : digits)
        size = size * 16 + HexValue(c);
    if (size == 0) {
        m_state = State::Trailers;
        return;
    }
    m_remaining = size;
    m_state = State::ChunkData;
}

void HttpResponseParser::connectionClosed()
{
    if (m_state == State::Done || m_state == State::Failed)
        return;
    if (m_state == State::Body && m_framing == Framing::UntilClose) {
        m_state = State::Done;
        return;
    }
    if (!m_answered)
        fail(QString());
    else if (!m_headReady)
        fail(QStringLiteral("The server closed the connection in the middle of its answer"));
    else if (m_framing == Framing::Length)
        fail(QStringLiteral("The document arrived incomplete: the server closed the connection after %1 of %2 bytes")
                 .arg(m_bodyBytes)
                 .arg(m_contentLength),
             true);
    else
        fail(QStringLiteral("The document arrived incomplete: the server closed the connection after %1 bytes")
                 .arg(m_bodyBytes),
             true);
}

QString HttpResponseParser::reason() const
{
    QString shown;
    for (char c : m_reason.first(qMin<qsizetype>(m_reason.size(), 100)))
        if (c >= 32 && c < 127)
            shown += QChar::fromLatin1(c);
    return shown.trimmed();
}

QByteArray HttpResponseParser::header(QByteArrayView name) const
{
    for (const auto &field : m_fields)
        if (QByteArrayView(field.first).compare(name, Qt::CaseInsensitive) == 0)
            return field.second;
    return QByteArray();
}

void HttpResponseParser::fail(const QString &why, bool cutShort)
{
    m_state = State::Failed;
    m_error = why;
    m_cutShort = cutShort;
    m_line.clear();
}

} // namespace veldra::transfer
