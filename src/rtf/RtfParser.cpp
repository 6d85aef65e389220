#include "rtf/RtfParser.h"

#include "rtf/RtfLimits.h"
#include "text/AsciiChar.h"

#include <algorithm>
#include <cstring>

namespace veldra::rtf
{

namespace
{

using text::HexValue;
using text::IsAsciiDigit;
using text::IsAsciiLetter;

// Bytes that end a run of plain text.
inline bool IsPlainAscii(char c)
{
    return c >= 0x20 && c < 0x7F && c != '\\' && c != '{' && c != '}';
}

} // namespace

RtfParser::RtfParser(QByteArrayView data, QTextDocument *doc)
    : m_data(data)
    , m_out(doc, m_tables)
    , m_pictures(doc)
{
}

bool RtfParser::run(qint64 budgetMs)
{
    if (m_finished)
        return true;
    m_clock.start();
    const qsizetype n = m_data.size();
    int tokens = 0;
    while (m_pos < n && !m_ended) {
        // The clock is read now and then: reading it costs more than a token.
        if (budgetMs >= 0 && ++tokens == 2048) {
            tokens = 0;
            if (m_clock.elapsed() >= budgetMs)
                return false;
        }
        switch (m_data[m_pos]) {
        case '{':
            ++m_pos;
            openGroup();
            break;
        case '}':
            ++m_pos;
            closeGroup();
            break;
        case '\\':
            controlWord();
            break;
        case '\r':
        case '\n':
            ++m_pos;
            break;
        default:
            plainText();
            break;
        }
    }
    flushBytes();
    flushSurrogate();
    // Groups left open by a truncated document end here, so that what they
    // hold (a table, a note, a picture) is not lost.
    while (m_stack.size() > 1 && m_flattened == 0 && closeGroup()) {
    }
    flushBytes();
    flushListText();
    flushMark();
    m_out.finish(m_cur.para);
    m_finished = true;
    return true;
}

void RtfParser::openGroup()
{
    flushBytes();
    m_skip = 0;
    m_star = false;
    if (m_stack.size() >= kMaxDepth) {
        ++m_flattened;
        return;
    }
    m_stack.push_back(m_cur);
    m_cur.opensDest = false;
    m_cur.opensNote = false;
}

bool RtfParser::closeGroup()
{
    flushBytes();
    m_skip = 0;
    m_star = false;
    if (m_flattened > 0) {
        --m_flattened;
        return true;
    }
    if (m_stack.size() <= 1) {
        // The document's own group is closed: whatever follows is not shown.
        m_ended = true;
        return false;
    }
    if (!m_cur.opensDest && !m_cur.opensNote) {
        m_cur = m_stack.back();
        m_stack.pop_back();
        return true;
    }
    const Group closed = m_cur;
    m_cur = m_stack.back();
    m_stack.pop_back();
    endDestination(closed);
    return true;
}

int RtfParser::readParameter(bool *has)
{
    const qsizetype n = m_data.size();
    bool negative = false;
    if (m_pos + 1 < n && m_data[m_pos] == '-' && IsAsciiDigit(m_data[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    *has = m_pos < n && IsAsciiDigit(m_data[m_pos]);
    long long v = 0;
    while (m_pos < n && IsAsciiDigit(m_data[m_pos])) {
        if (v < kMaxParameter)
            v = v * 10 + (m_data[m_pos] - '0');
        ++m_pos;
    }
    v = std::min<long long>(v, kMaxParameter);
    return int(negative ? -v : v);
}

void RtfParser::controlWord()
{
    const qsizetype n = m_data.size();
    if (m_pos + 1 >= n) {
        m_pos = n;
        return;
    }
    const char first = m_data[m_pos + 1];
    if (!IsAsciiLetter(first)) {
        m_pos += 2;
        controlSymbol(first);
        return;
    }
    const qsizetype start = m_pos + 1;
    qsizetype end = start;
    while (end < n && IsAsciiLetter(m_data[end]))
        ++end;
    m_pos = end;
    bool hasParam = false;
    const int param = readParameter(&hasParam);
    if (m_pos < n && m_data[m_pos] == ' ')
        ++m_pos;

    const size_t length = size_t(end - start);
    const RtfKeywordInfo kw =
        length <= kMaxWordLength ? LookupRtfKeyword(std::string_view(m_data.data() + start, length)) : RtfKeywordInfo{};
    if (kw.keyword == RtfKeyword::Binary) {
        // Raw bytes of a picture or object: never text, whatever they contain.
        const qsizetype count = std::min<qsizetype>(hasParam ? std::max(param, 0) : 0, n - m_pos);
        if (m_cur.dest == Dest::Picture)
            m_picture.appendBytes(m_data.sliced(m_pos, count));
        m_pos += count;
        if (m_skip > 0)
            --m_skip;
        return;
    }
    if (m_star) {
        // Only destinations the reader knows are read after "\*".
        m_star = false;
        if (RtfKeywordGroupOf(kw.keyword) != RtfKeywordGroup::Destination ||
            kw.keyword == RtfKeyword::SkipDestination) {
            skipGroup();
            return;
        }
    }
    if (m_skip > 0) {
        --m_skip;
        return;
    }
    flushBytes();
    keyword(kw, param, hasParam);
}

void RtfParser::controlSymbol(char c)
{
    if (c == '\'') {
        hexByte();
        return;
    }
    if (c == '*') {
        m_star = true;
        return;
    }
    m_star = false;
    if (m_skip > 0) {
        --m_skip;
        return;
    }
    flushBytes();
    switch (c) {
    case '\r':
    case '\n':
        paragraph(); // how TextEdit ends its paragraphs
        break;
    case '~':
        emitChar(u'\u00A0');
        break;
    case '-':
        emitChar(u'\u00AD');
        break;
    case '_':
        emitChar(u'\u2011');
        break;
    case '{':
    case '}':
    case '\\':
        emitChar(char16_t(c));
        break;
    case '\t':
        emitChar(u'\t');
        break;
    default:
        break;
    }
}

void RtfParser::hexByte()
{
    const qsizetype n = m_data.size();
    int value = 0;
    int digits = 0;
    bool valid = true;
    // A broken escape such as "\'3?" still takes its two characters, but never
    // a brace or a backslash.
    while (digits < 2 && m_pos < n) {
        const char h = m_data[m_pos];
        if (h == '\\' || h == '{' || h == '}')
            break;
        ++m_pos;
        ++digits;
        const int d = HexValue(h);
        if (d < 0)
            valid = false;
        else
            value = value * 16 + d;
    }
    m_star = false;
    if (m_skip > 0) {
        --m_skip;
        return;
    }
    if (valid && digits == 2)
        textByte(char(value));
}

void RtfParser::plainText()
{
    const qsizetype n = m_data.size();
    const char c = m_data[m_pos];
    m_star = false;
    if (m_skip > 0) {
        ++m_pos;
        --m_skip;
        return;
    }
    if (!IsPlainAscii(c)) {
        ++m_pos;
        if (c == '\t') {
            flushBytes();
            emitChar(u'\t');
        } else if (static_cast<unsigned char>(c) >= 0x80) {
            textByte(c);
        }
        return; // other control characters are noise
    }
    qsizetype end = m_pos + 1;
    while (end < n && IsPlainAscii(m_data[end]))
        ++end;
    const QByteArrayView span = m_data.sliced(m_pos, end - m_pos);
    m_pos = end;
    if (!m_bytes.isEmpty() && (IsDoubleByteCodePage(m_bytesCodePage) || m_bytesCodePage == 65001)) {
        // A double-byte character may have its second byte written as a
        // plain character.
        if (codePage() == m_bytesCodePage) {
            m_bytes.append(span);
            return;
        }
    }
    flushBytes();
    emitLatin1(QLatin1String(span.data(), span.size()));
}

void RtfParser::skipGroup()
{
    if (m_stack.size() < 2 && m_flattened == 0)
        return; // never the document itself
    const qsizetype n = m_data.size();
    int depth = 1;
    while (m_pos < n) {
        const char *p = m_data.data() + m_pos;
        const char *stop = std::find_if(p, m_data.data() + n, [](char c) { return c == '{' || c == '}' || c == '\\'; });
        m_pos = stop - m_data.data();
        if (m_pos >= n)
            break;
        const char c = m_data[m_pos++];
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (--depth == 0) {
                closeGroup();
                return;
            }
        } else if (m_pos < n && IsAsciiLetter(m_data[m_pos])) {
            const qsizetype start = m_pos;
            while (m_pos < n && IsAsciiLetter(m_data[m_pos]))
                ++m_pos;
            const bool bin = m_pos - start == 3 && std::memcmp(m_data.data() + start, "bin", 3) == 0;
            bool hasParam = false;
            const int param = readParameter(&hasParam);
            if (m_pos < n && m_data[m_pos] == ' ')
                ++m_pos;
            if (bin && hasParam && param > 0)
                m_pos += std::min<qsizetype>(param, n - m_pos);
        } else {
            ++m_pos; // a control symbol such as \{ or \}
        }
    }
    m_pos = n;
}

void RtfParser::keyword(const RtfKeywordInfo &kw, int param, bool hasParam)
{
    switch (RtfKeywordGroupOf(kw.keyword)) {
    case RtfKeywordGroup::None:
        break;
    case RtfKeywordGroup::Destination:
        destinationKeyword(kw);
        break;
    case RtfKeywordGroup::Document:
        documentKeyword(kw, param, hasParam);
        break;
    case RtfKeywordGroup::Character:
        characterKeyword(kw, param, hasParam);
        break;
    case RtfKeywordGroup::Paragraph:
        paragraphKeyword(kw, param);
        break;
    case RtfKeywordGroup::Table:
        tableKeyword(kw, param);
        break;
    case RtfKeywordGroup::List:
        listKeyword(kw, param);
        break;
    case RtfKeywordGroup::Picture:
        pictureKeyword(kw, param);
        break;
    case RtfKeywordGroup::Break:
        breakKeyword(kw);
        break;
    }
}

} // namespace veldra::rtf
