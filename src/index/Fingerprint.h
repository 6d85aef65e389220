#pragma once

#include <QRandomGenerator>
#include <QtGlobal>

namespace veldra::index
{

// Polynomial fingerprints of byte strings modulo the prime 2^61 - 1, with a
// base drawn at random for each search: an index cannot be made to collide
// with a base it does not know. Two strings of the same length with equal
// fingerprints are still compared byte by byte before anything counts.
class Fingerprint
{
public:
    static constexpr quint64 kPrime = (quint64(1) << 61) - 1;

    Fingerprint()
        : m_base(2 + QRandomGenerator::system()->bounded(quint64(kPrime - 3)))
    {
    }

    quint64 base() const { return m_base; }

    static quint64 Mul(quint64 a, quint64 b)
    {
        __extension__ typedef unsigned __int128 Wide;
        const Wide p = Wide(a) * b;
        return Reduce(quint64(p & kPrime) + quint64(p >> 61));
    }
    static quint64 Add(quint64 a, quint64 b) { return Reduce(a + b); }
    static quint64 Sub(quint64 a, quint64 b) { return a >= b ? a - b : a + kPrime - b; }

    // The fingerprint after one more byte.
    quint64 next(quint64 h, uchar c) const { return Add(Mul(h, m_base), c); }
    quint64 power(qsizetype n) const
    {
        quint64 result = 1;
        for (quint64 b = m_base; n > 0; n >>= 1, b = Mul(b, b))
            if (n & 1)
                result = Mul(result, b);
        return result;
    }
    quint64 of(const uchar *s, qsizetype n) const
    {
        quint64 h = 0;
        for (qsizetype i = 0; i < n; ++i)
            h = next(h, s[i]);
        return h;
    }
    // Of the bytes between two prefixes' fingerprints, `power` being the base
    // to the number of bytes between them.
    static quint64 Between(quint64 shorter, quint64 longer, quint64 power) { return Sub(longer, Mul(shorter, power)); }

private:
    static quint64 Reduce(quint64 x) { return x >= kPrime ? x - kPrime : x; }
    quint64 m_base;
};

} // namespace veldra::index
