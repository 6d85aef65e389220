#include "index/TextFinder.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define VELDRA_HAVE_AVX2_PATH 1
#endif

namespace veldra::index
{

namespace
{

std::vector<char> BytesOfClass(const uchar *fold, uchar cls)
{
    std::vector<char> bytes;
    for (int b = 0; b < 256; ++b)
        if (fold[b] == cls)
            bytes.push_back(char(b));
    return bytes;
}

CasedClass CasedOf(const std::vector<char> &bytes)
{
    if (bytes.size() == 1)
        return {true, 0, uchar(bytes[0])};
    if (bytes.size() == 2 && (uchar(bytes[0]) ^ uchar(bytes[1])) == 0x20)
        return {true, 0x20, uchar(bytes[0] | 0x20)};
    return {};
}

#if defined(__SSE2__)
// A class has at most a handful of bytes (a letter's two cases); four cover
// every class of the code page, repeated to fill.
struct ClassMask {
    explicit ClassMask(const std::vector<char> &bytes)
    {
        for (size_t i = 0; i < 4; ++i)
            v[i] = _mm_set1_epi8(bytes[i < bytes.size() ? i : 0]);
    }
    __m128i match(__m128i x) const
    {
        return _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(x, v[0]), _mm_cmpeq_epi8(x, v[1])),
                            _mm_or_si128(_mm_cmpeq_epi8(x, v[2]), _mm_cmpeq_epi8(x, v[3])));
    }
    __m128i v[4];
};
#endif

#if defined(VELDRA_HAVE_AVX2_PATH)
__attribute__((target("avx2"))) inline __m256i Match32(const __m256i *v, __m256i x)
{
    return _mm256_or_si256(_mm256_or_si256(_mm256_cmpeq_epi8(x, v[0]), _mm256_cmpeq_epi8(x, v[1])),
                           _mm256_or_si256(_mm256_cmpeq_epi8(x, v[2]), _mm256_cmpeq_epi8(x, v[3])));
}

// The same thirty-two bytes at a time, where the processor has AVX2. Returns
// the first candidate start at or after `from` whose first and last bytes are
// of the right classes, or the first position not looked at (> limit - 31).
// `bytes` holds the four bytes of the first class, then those of the last,
// each repeated 32 times.
__attribute__((target("avx2"))) qsizetype Candidates32(const char *data, qsizetype from, qsizetype limit,
                                                       qsizetype length, const char *bytes, unsigned *maskOut)
{
    __m256i f[4];
    __m256i l[4];
    for (size_t i = 0; i < 4; ++i) {
        f[i] = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(bytes + 32 * i));
        l[i] = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(bytes + 32 * (4 + i)));
    }
    for (; from + 31 <= limit; from += 32) {
        const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(data + from));
        const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(data + from + length - 1));
        if (const unsigned mask = unsigned(_mm256_movemask_epi8(_mm256_and_si256(Match32(f, a), Match32(l, b))))) {
            *maskOut = mask;
            return from;
        }
    }
    *maskOut = 0;
    return from;
}

// Where each class is one byte, or two that differ only in the bit that
// tells an ASCII or Latin-1 letter's cases apart, one comparison per class
// does: the byte with that bit set is compared with the class's.
__attribute__((target("avx2"))) qsizetype Candidates32Cased(const char *data, qsizetype from, qsizetype limit,
                                                            qsizetype length, const CasedClass &first,
                                                            const CasedClass &last, unsigned *maskOut)
{
    const __m256i firstOr = _mm256_set1_epi8(char(first.bit));
    const __m256i firstIs = _mm256_set1_epi8(char(first.value));
    const __m256i lastOr = _mm256_set1_epi8(char(last.bit));
    const __m256i lastIs = _mm256_set1_epi8(char(last.value));
    for (; from + 31 <= limit; from += 32) {
        const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(data + from));
        const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(data + from + length - 1));
        const __m256i both = _mm256_and_si256(_mm256_cmpeq_epi8(_mm256_or_si256(a, firstOr), firstIs),
                                              _mm256_cmpeq_epi8(_mm256_or_si256(b, lastOr), lastIs));
        if (const unsigned mask = unsigned(_mm256_movemask_epi8(both))) {
            *maskOut = mask;
            return from;
        }
    }
    *maskOut = 0;
    return from;
}

bool HasAvx2()
{
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#endif

} // namespace

TextFinder::TextFinder(const uchar *foldClasses, QByteArray classes)
    : m_fold(foldClasses)
    , m_classes(std::move(classes))
    , m_first(BytesOfClass(m_fold, uchar(m_classes.at(0))))
    , m_last(BytesOfClass(m_fold, uchar(m_classes.back())))
    , m_firstCased(CasedOf(m_first))
    , m_lastCased(CasedOf(m_last))
{
    // Set up once, not on every find: a search finds the text up to once a
    // record.
    if (m_first.size() <= 4 && m_last.size() <= 4) {
        m_wide.resize(8 * 32);
        for (size_t i = 0; i < 4; ++i)
            for (size_t k = 0; k < 32; ++k) {
                m_wide[32 * i + k] = m_first[i < m_first.size() ? i : 0];
                m_wide[32 * (4 + i) + k] = m_last[i < m_last.size() ? i : 0];
            }
    }
}

bool TextFinder::matchesAt(const char *text) const
{
    for (qsizetype i = 0; i < m_classes.size(); ++i)
        if (m_fold[uchar(text[i])] != uchar(m_classes[i]))
            return false;
    return true;
}

qsizetype TextFinder::find(const char *data, qsizetype from, qsizetype size) const
{
    const qsizetype length = m_classes.size();
    const qsizetype lastStart = size - length; // the last position an occurrence can start at
    if (from < 0)
        from = 0;
#if defined(VELDRA_HAVE_AVX2_PATH)
    if (m_first.size() <= 4 && m_last.size() <= 4 && HasAvx2()) {
        const bool cased = m_firstCased.usable && m_lastCased.usable;
        for (;;) {
            unsigned mask = 0;
            from = cased ? Candidates32Cased(data, from, lastStart, length, m_firstCased, m_lastCased, &mask)
                         : Candidates32(data, from, lastStart, length, m_wide.data(), &mask);
            if (!mask)
                break;
            for (; mask; mask &= mask - 1) {
                const qsizetype at = from + __builtin_ctz(mask);
                if (matchesAt(data + at))
                    return at;
            }
            from += 32;
        }
    }
#endif
#if defined(__SSE2__)
    if (m_first.size() <= 4 && m_last.size() <= 4) {
        const ClassMask first(m_first);
        const ClassMask last(m_last);
        while (from + 15 <= lastStart) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + from));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + from + length - 1));
            unsigned mask = unsigned(_mm_movemask_epi8(_mm_and_si128(first.match(a), last.match(b))));
            while (mask) {
                const qsizetype at = from + __builtin_ctz(mask);
                if (matchesAt(data + at))
                    return at;
                mask &= mask - 1;
            }
            from += 16;
        }
    }
#endif
    for (; from <= lastStart; ++from)
        if (matchesAt(data + from))
            return from;
    return size;
}

} // namespace veldra::index
