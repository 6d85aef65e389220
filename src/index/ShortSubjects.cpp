#include "index/ShortSubjects.h"

#include "index/TextFinder.h"

#include <cstring>

namespace veldra::index
{

namespace
{
constexpr quint64 kMultiplier = 0x9E3779B97F4A7C15ULL;
constexpr quint64 kEachByte = 0x0101010101010101ULL;
constexpr quint64 kHighBits = 0x8080808080808080ULL;

quint64 Mix(quint64 h, quint64 word)
{
    h = (h ^ word) * kMultiplier;
    return h ^ (h >> 29);
}
} // namespace

ShortSubjects::ShortSubjects(const uchar *foldClasses, const TextFinder &anchor)
    : m_fold(foldClasses)
    , m_anchor(anchor)
{
    m_asciiSimple = true;
    for (int b = 0; b < 0x80; ++b)
        m_asciiSimple = m_asciiSimple && m_fold[b] == ((b >= 'a' && b <= 'z') ? b - 0x20 : b);
}

int ShortSubjects::add(QByteArrayView classes)
{
    for (size_t i = 0; i < m_subjects.size(); ++i)
        if (QByteArrayView(m_subjects[i]) == classes)
            return int(i);
    const qsizetype at = classes.indexOf(QByteArrayView(m_anchor.classes()));
    if (at < 0 || classes.size() > kMaxLength)
        return -1;
    size_t shape = 0;
    while (shape < m_shapes.size() && (m_shapes[shape].anchorAt != at || m_shapes[shape].length != classes.size()))
        ++shape;
    if (shape == m_shapes.size()) {
        if (m_shapes.size() == kMaxShapes)
            return -1;
        m_shapes.push_back({at, classes.size()});
    }
    m_subjects.push_back(classes.toByteArray());
    m_shapeOf.push_back(shape);
    return int(m_subjects.size() - 1);
}

quint64 ShortSubjects::word(const uchar *bytes, qsizetype count, qsizetype readable) const
{
    quint64 w = 0;
    if (m_asciiSimple && readable >= 8) {
        std::memcpy(&w, bytes, 8);
        if (count < 8)
            w &= (quint64(1) << (8 * count)) - 1;
        if (!(w & kHighBits)) {
            // The class of a plain ASCII byte is its capital: take 0x20 off
            // each byte from "a" to "z", eight at a time.
            const quint64 fromA = w + kEachByte * (0x80 - 'a');
            const quint64 pastZ = w + kEachByte * (0x80 - 'z' - 1);
            return w - ((fromA & ~pastZ & kHighBits) >> 2);
        }
        w = 0;
    }
    for (qsizetype k = 0; k < count; ++k)
        w |= quint64(m_fold[bytes[k]]) << (8 * k);
    return w;
}

quint64 ShortSubjects::hash(const uchar *bytes, size_t shape, qsizetype readable) const
{
    // Eight classes to a word, so that the hash's chain of multiplies is an
    // eighth of the bytes long.
    const qsizetype length = m_shapes[shape].length;
    quint64 h = Mix(quint64(shape + 1), quint64(length));
    qsizetype i = 0;
    for (; i + 8 <= length; i += 8)
        h = Mix(h, word(bytes + i, 8, readable - i));
    return Mix(h, word(bytes + i, length - i, readable - i));
}

void ShortSubjects::build()
{
    // The subjects are fold classes, and a class folds to itself.
    size_t count = 16;
    while (count < 4 * m_subjects.size())
        count *= 2;
    m_table.assign(count, -1);
    m_next.assign(m_subjects.size(), -1);
    m_keys.resize(m_subjects.size());
    for (size_t s = 0; s < m_subjects.size(); ++s) {
        m_keys[s] =
            hash(reinterpret_cast<const uchar *>(m_subjects[s].constData()), m_shapeOf[s], m_subjects[s].size());
        size_t slot = size_t(m_keys[s] >> 20) & (count - 1);
        while (m_table[slot] >= 0 && m_keys[size_t(m_table[slot])] != m_keys[s])
            slot = (slot + 1) & (count - 1);
        m_next[s] = m_table[slot];
        m_table[slot] = int(s);
    }
    m_seen.assign(m_subjects.size(), text::FieldSpan{-1, -1, -1});
}

void ShortSubjects::occurrence(const char *data, qsizetype size, qsizetype at, const text::FieldSpan &f)
{
    const uchar *bytes = reinterpret_cast<const uchar *>(data);
    const size_t mask = m_table.size() - 1;
    for (size_t shape = 0; shape < m_shapes.size(); ++shape) {
        const qsizetype x = at - m_shapes[shape].anchorAt;
        const qsizetype length = m_shapes[shape].length;
        if (x < f.begin || x + length > f.end)
            continue;
        const quint64 key = hash(bytes + x, shape, size - x);
        size_t slot = size_t(key >> 20) & mask;
        while (m_table[slot] >= 0 && m_keys[size_t(m_table[slot])] != key)
            slot = (slot + 1) & mask;
        for (int s = m_table[slot]; s >= 0; s = m_next[size_t(s)]) {
            // Once found in a field, a subject is not compared there again.
            if (m_seen[size_t(s)].begin == f.begin || m_shapeOf[size_t(s)] != shape)
                continue;
            const uchar *subject = reinterpret_cast<const uchar *>(m_subjects[size_t(s)].constData());
            qsizetype i = 0;
            while (i < length && m_fold[bytes[x + i]] == subject[i])
                ++i;
            if (i == length)
                m_seen[size_t(s)] = f;
        }
    }
}

} // namespace veldra::index
