#include "text/FieldLocator.h"

#include <cstring>

namespace veldra::text
{

namespace
{
constexpr qsizetype kNear = 256;
} // namespace

FieldLocator::FieldLocator(const char *data, qsizetype size, qsizetype start)
    : m_data(data)
    , m_size(size)
    , m_cursor(start)
    , m_quote(start - 1)
    , m_lastStart(start)
    , m_last{start, start, start}
{
}

qsizetype FieldLocator::readStartFor(qsizetype pos) const
{
    // The read that covers the LF of a CR LF is the one that ended at the CR.
    qsizetype i = pos;
    if (i > m_cursor && m_data[i] == '\n' && m_data[i - 1] == '\r')
        --i;
    while (i > m_cursor) {
        const char c = m_data[i - 1];
        if (c == ',' || c == '\r' || c == '\n')
            return i;
        --i;
    }
    return m_cursor;
}

const FieldSpan &FieldLocator::fieldAt(qsizetype pos)
{
    while (pos >= m_cursor) {
        // Near the cursor the fields are read one by one, which looks at each
        // byte once, many at a time; further on, looking back from `pos` skips
        // the fields between.
        if (pos - m_cursor < kNear) {
            m_lastStart = m_cursor;
        } else {
            if (m_quote < m_cursor) {
                const void *q = std::memchr(m_data + m_cursor, '"', size_t(m_size - m_cursor));
                m_quote = q ? static_cast<const char *>(q) - m_data : m_size;
            }
            // Up to the next quote, the fields are split by delimiters alone.
            m_lastStart = readStartFor(pos < m_quote ? pos : m_quote);
        }
        m_last = NextField(m_data, m_size, m_lastStart);
        m_cursor = m_last.next;
    }
    return m_last;
}

} // namespace veldra::text
