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

    // Below 2^60, so that a fingerprint stepped without its last reduction
    // (Step) stays below 2^62 + 1024.
    Fingerprint()
        : m_base((QRandomGenerator::system()->generate64() >> 4) | 2)
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
    // The same, for long runs of bytes: what it gives is congruent but not
    // reduced (Canonical makes it so), which spares a step the next byte
    // would wait for.
    static quint64 Step(quint64 h, quint64 base, uchar c)
    {
        __extension__ typedef unsigned __int128 Wide;
        const Wide p = Wide(h) * base;
        return (quint64(p) & kPrime) + quint64(p >> 61) + c;
    }
    static quint64 Canonical(quint64 h) { return Reduce((h & kPrime) + (h >> 61)); }
    quint64 power(qsizetype n) const
    {
        quint64 result = 1;
        for (quint64 b = m_base; n > 0; n >>= 1, b = Mul(b, b))
            if (n & 1)
                result = Mul(result, b);
        return result;
    }
    // Four parts side by side, for the same reason.
    quint64 of(const uchar *s, qsizetype n) const
    {
        const qsizetype part = n / 4;
        quint64 h0 = 0, h1 = 0, h2 = 0, h3 = 0;
        for (qsizetype i = 0; i < part; ++i) {
            h0 = Step(h0, m_base, s[i]);
            h1 = Step(h1, m_base, s[part + i]);
            h2 = Step(h2, m_base, s[2 * part + i]);
            h3 = Step(h3, m_base, s[3 * part + i]);
        }
        for (qsizetype i = 4 * part; i < n; ++i)
            h3 = Step(h3, m_base, s[i]);
        const quint64 step = power(part);
        quint64 h = Add(Mul(Canonical(h0), step), Canonical(h1));
        h = Add(Mul(h, step), Canonical(h2));
        return Add(Mul(h, power(n - 3 * part)), Canonical(h3));
    }
    // Of the bytes between two prefixes' fingerprints, `power` being the base
    // to the number of bytes between them.
    static quint64 Between(quint64 shorter, quint64 longer, quint64 power) { return Sub(longer, Mul(shorter, power)); }

private:
    static quint64 Reduce(quint64 x) { return x >= kPrime ? x - kPrime : x; }
    quint64 m_base;
};

} // namespace veldra::index
