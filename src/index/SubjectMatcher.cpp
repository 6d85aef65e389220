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

    m_bucket.resize(m_patterns.size());
    for (size_t i = 0; i < m_patterns.size(); ++i)
        m_bucket[i] = int(i);
    std::stable_sort(m_bucket.begin(), m_bucket.end(), [&](int a, int b) {
        return keyAt(m_patterns[size_t(a)], window - 1) < keyAt(m_patterns[size_t(b)], window - 1);
    });
    m_keys.clear();
    for (const int i : m_bucket)
        m_keys.push_back(keyAt(m_patterns[size_t(i)], window - 1));
}

} // namespace veldra::index
