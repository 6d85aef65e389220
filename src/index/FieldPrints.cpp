#include "index/FieldPrints.h"

#include <algorithm>

namespace veldra::index
{

FieldPrints::FieldPrints(const Fingerprint &print, const uchar *fold, qsizetype block, qsizetype keep)
    : m_print(print)
    , m_fold(fold)
    , m_quarter(block / 4)
{
    size_t ring = 1;
    while (ring < size_t(keep))
        ring <<= 1;
    m_prefix.resize(ring);
    m_mask = ring - 1;
    while ((qsizetype(1) << m_quarterShift) < m_quarter)
        ++m_quarterShift;
    for (qsizetype i = 0; i <= m_quarter; ++i)
        m_powers.push_back(m_print.power(i));
}

void FieldPrints::start(const char *data, qsizetype begin)
{
    m_data = data;
    m_begin = begin;
    m_open = 0;
}

void FieldPrints::readBlock(qsizetype q, uchar *block)
{
    // Locals throughout: the bytes stored could otherwise alias every member.
    const uchar *from = reinterpret_cast<const uchar *>(m_data) + q;
    const uchar *fold = m_fold;
    quint64 *prefix = m_prefix.data();
    const size_t mask = m_mask;
    const quint64 base = m_print.base();
    const qsizetype g = m_quarter;
    const size_t offset = size_t(q - m_begin) + 1;
    quint64 h0 = 0, h1 = 0, h2 = 0, h3 = 0;
    for (qsizetype i = 0; i < g; ++i) {
        const uchar c0 = fold[from[i]];
        const uchar c1 = fold[from[g + i]];
        const uchar c2 = fold[from[2 * g + i]];
        const uchar c3 = fold[from[3 * g + i]];
        h0 = Fingerprint::Step(h0, base, c0);
        h1 = Fingerprint::Step(h1, base, c1);
        h2 = Fingerprint::Step(h2, base, c2);
        h3 = Fingerprint::Step(h3, base, c3);
        const size_t at = offset + size_t(i);
        prefix[at & mask] = h0;
        prefix[(at + size_t(g)) & mask] = h1;
        prefix[(at + size_t(2 * g)) & mask] = h2;
        prefix[(at + size_t(3 * g)) & mask] = h3;
        block[i] = c0;
        block[g + i] = c1;
        block[2 * g + i] = c2;
        block[3 * g + i] = c3;
    }
    size_t k = (offset - 1) >> m_quarterShift;
    const quint64 step = m_powers[size_t(g)];
    for (const quint64 h : {h0, h1, h2, h3}) {
        m_quarterStart[k++ & kQuarterMask] = m_open;
        m_open = Fingerprint::Add(Fingerprint::Mul(m_open, step), Fingerprint::Canonical(h));
    }
}

void FieldPrints::readTail(qsizetype q, qsizetype n)
{
    const uchar *from = reinterpret_cast<const uchar *>(m_data) + q;
    const size_t offset = size_t(q - m_begin);
    for (qsizetype s = 0; s < n; s += m_quarter) {
        const qsizetype length = std::min(m_quarter, n - s);
        quint64 h = 0;
        for (qsizetype i = s; i < s + length; ++i) {
            h = Fingerprint::Step(h, m_print.base(), m_fold[from[i]]);
            m_prefix[(offset + size_t(i) + 1) & m_mask] = h;
        }
        m_quarterStart[((offset + size_t(s)) >> m_quarterShift) & kQuarterMask] = m_open;
        m_open = Fingerprint::Add(Fingerprint::Mul(m_open, m_powers[size_t(length)]), Fingerprint::Canonical(h));
    }
}

} // namespace veldra::index
