#include "text/FieldScanner.h"

#include "text/Trim.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace veldra::text
{

namespace
{

// First comma or line-end byte at or after `from`; fields are short, so this
// looks at 16 bytes at a time.
qsizetype FindFieldEnd(const char *data, qsizetype from, qsizetype size)
{
#if defined(__SSE2__)
    const __m128i comma = _mm_set1_epi8(',');
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    while (from + 16 <= size) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + from));
        const __m128i hit =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, comma), _mm_cmpeq_epi8(v, cr)), _mm_cmpeq_epi8(v, lf));
        if (const int mask = _mm_movemask_epi8(hit))
            return from + __builtin_ctz(unsigned(mask));
        from += 16;
    }
#endif
    for (; from < size; ++from) {
        const char c = data[from];
        if (c == ',' || c == '\r' || c == '\n')
            return from;
    }
    return size;
}

inline qsizetype AfterDelimiter(const char *data, qsizetype pos, qsizetype size)
{
    if (data[pos] == '\r' && pos + 1 < size && data[pos + 1] == '\n')
        return pos + 2;
    return pos + 1;
}

} // namespace

FieldSpan NextField(const char *data, qsizetype size, qsizetype pos)
{
    while (pos < size && IsBlank(data[pos]))
        ++pos;
    if (pos >= size)
        return {size, size, size};

    if (data[pos] == '"') {
        const qsizetype begin = pos + 1;
        const void *quote = std::memchr(data + begin, '"', size_t(size - begin));
        if (!quote)
            return {begin, size, size};
        const qsizetype close = static_cast<const char *>(quote) - data;
        qsizetype after = close + 1;
        while (after < size && IsBlank(data[after]))
            ++after;
        // A comma or line end right after the closing quote belongs to this
        // field; anything else starts the next one.
        qsizetype next = close + 1;
        if (after >= size)
            next = size;
        else if (data[after] == ',')
            next = after + 1;
        else if (data[after] == '\r' || data[after] == '\n')
            next = AfterDelimiter(data, after, size);
        return {begin, close, next};
    }

    const qsizetype end = FindFieldEnd(data, pos, size);
    return {pos, end, end < size ? AfterDelimiter(data, end, size) : size};
}

} // namespace veldra::text
