#include "index/IndexWindows.h"

#include "index/AnsiFold.h"

#include <QIODevice>

#include <cstring>

namespace veldra::index
{

IndexWindows::IndexWindows(QIODevice &file, qint64 from, qsizetype windowSize)
    : m_file(file)
    , m_buffer(qMax<qsizetype>(windowSize, 16), Qt::Uninitialized)
    , m_offset(from)
{
}

bool IndexWindows::read()
{
    if (m_failed)
        return false;
    if (m_started) {
        if (m_reachesEnd)
            return false;
        const qsizetype resume = m_resume < 0 ? m_size : m_resume;
        // A field longer than the window: read it whole next time. The window
        // never grows past what is left of the file, nor past a bound that
        // keeps a hostile index from taking all memory.
        if (resume == 0) {
            const qint64 left = m_file.size() - (m_offset + resume);
            const qsizetype grown = qsizetype(qMin<qint64>(qint64(m_buffer.size()) * 2, left + 16));
            if (grown > kMaxIndexWindow || grown <= m_buffer.size()) {
                m_failed = true;
                return false;
            }
            m_buffer.resize(grown);
        }
        m_offset += resume;
    }
    m_started = true;
    m_resume = -1;
    if (!m_file.seek(m_offset)) {
        m_failed = true;
        return false;
    }
    qsizetype got = 0;
    while (got < m_buffer.size()) {
        const qint64 n = m_file.read(m_buffer.data() + got, m_buffer.size() - got);
        if (n < 0) {
            m_failed = true;
            return false;
        }
        if (n == 0)
            break;
        got += qsizetype(n);
    }
    m_size = got;
    m_reachesEnd = got < m_buffer.size() || m_file.atEnd();
    return m_size > 0;
}

void FoundFields::found(size_t subject, const IndexWindows &window, const FieldSpan &field)
{
    Found &f = m_found[subject];
    f.begin = window.offset() + field.begin;
    const char *data = window.data();
    const void *equals = std::memchr(data + field.begin, '=', size_t(field.end - field.begin));
    f.equals = equals ? window.offset() + (static_cast<const char *>(equals) - data) : -1;
    if (!f.pending) {
        f.pending = true;
        m_pending.push_back(subject);
    }
}

void FoundFields::capture(const IndexWindows &window)
{
    for (const size_t subject : m_pending) {
        Found &f = m_found[subject];
        f.pending = false;
        if (f.equals < 0)
            f.name.clear();
        else
            f.name = QByteArray(window.data() + (f.begin - window.offset()), f.equals - f.begin);
    }
    m_pending.clear();
}

QString FoundFields::fileName(size_t subject) const
{
    return AnsiFold::instance().decode(m_found[subject].name);
}

} // namespace veldra::index
