#pragma once

#include "index/Fingerprint.h"

#include <vector>

namespace veldra::index
{

// The prefix fingerprints of the field being read, for the last few blocks
// read: by quarter block, each quarter's bytes fingerprinted from 0, the four
// of a block side by side so that the processor works on four at once; the
// field's fingerprint at each quarter's start makes them whole.
class FieldPrints
{
public:
    // `block` a power of two from 4 on; the prints go back `keep` bytes
    // (rounded up).
    FieldPrints(const Fingerprint &print, const uchar *fold, qsizetype block, qsizetype keep);

    void start(const char *data, qsizetype begin);
    // Reads the whole block at q, its bytes' classes into `classes`.
    void readBlock(qsizetype q, uchar *classes);
    // Reads the last n bytes from q, fewer than a block.
    void readTail(qsizetype q, qsizetype n);

    // The field's prefix fingerprint up to x (from the field's start).
    quint64 prefix(qsizetype x) const
    {
        if (x == m_begin)
            return 0;
        const size_t k = size_t(x - m_begin - 1) >> m_quarterShift;
        const qsizetype since = x - m_begin - qsizetype(k << m_quarterShift);
        return Fingerprint::Add(Fingerprint::Mul(m_quarterStart[k & kQuarterMask], m_powers[size_t(since)]),
                                Fingerprint::Canonical(m_prefix[size_t(x - m_begin) & m_mask]));
    }

private:
    static constexpr size_t kQuarterMask = 63;
    const Fingerprint &m_print;
    const uchar *m_fold;
    const char *m_data = nullptr;
    qsizetype m_begin = 0;
    qsizetype m_quarter;
    int m_quarterShift = 0;
    std::vector<quint64> m_powers; // the base to 0 .. m_quarter
    std::vector<quint64> m_prefix; // within its quarter
    size_t m_mask = 0;
    quint64 m_quarterStart[kQuarterMask + 1] = {};
    quint64 m_open = 0; // at the end of what is read
};

} // namespace veldra::index
