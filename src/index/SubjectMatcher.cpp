#include "index/SubjectMatcher.h"

#include <algorithm>

namespace veldra::index
{

namespace
{
// The shift is kept in a byte.
constexpr qsizetype kMaxWindow = 256;
} // namespace

int SubjectMatcher::add(QByteArrayView classes)
{
    const QByteArray key = classes.toByteArray();
    const auto known = m_numbers.constFind(key);
    if (known != m_numbers.cend())
        return *known;
    const int number = int(m_patterns.size());
    m_patterns.push_back(key);
    m_numbers.insert(key, number);
    return number;
}

void SubjectMatcher::build()
{
    if (m_patterns.empty())
        return;
    m_window = kMaxWindow;
    for (const QByteArray &p : m_patterns)
        m_window = std::min(m_window, p.size());
    const qsizetype window = m_window;
    const size_t keys = window == 1 ? 256 : 65536;
    auto keyAt = [window](const QByteArray &p, qsizetype i) {
        return window == 1 ? unsigned(uchar(p[i])) : (unsigned(uchar(p[i - 1])) << 8) | uchar(p[i]);
    };

    const qsizetype firstKey = window == 1 ? 0 : 1;
    m_shift.assign(keys, uchar(window - firstKey));
    for (const QByteArray &p : m_patterns)
        for (qsizetype i = firstKey; i < window; ++i) {
            uchar &shift = m_shift[keyAt(p, i)];
            shift = std::min<uchar>(shift, uchar(window - 1 - i));
        }

    m_bucketStart.assign(keys + 1, 0);
    for (const QByteArray &p : m_patterns)
        ++m_bucketStart[keyAt(p, window - 1) + 1];
    for (size_t k = 0; k < keys; ++k)
        m_bucketStart[k + 1] += m_bucketStart[k];
    m_bucket.assign(m_patterns.size(), 0);
    std::vector<quint32> fill(m_bucketStart.begin(), m_bucketStart.end() - 1);
    for (size_t i = 0; i < m_patterns.size(); ++i)
        m_bucket[fill[keyAt(m_patterns[i], window - 1)]++] = int(i);
}

} // namespace veldra::index
