#include "index/AnchoredSubjects.h"

#include "index/TextFinder.h"
#include "text/FieldLocator.h"

#include <algorithm>

namespace veldra::index
{

namespace
{
constexpr qsizetype kContext = 8;
constexpr quint64 kPrime = 0x100000001b3ULL;
constexpr quint64 kBasis = 0xcbf29ce484222325ULL;

quint64 Step(quint64 h, uchar c)
{
    return (h ^ c) * kPrime;
}

// One key for the bytes before and after the anchor and the shape of the context.
quint64 Key(quint64 before, quint64 after, size_t context)
{
    return (before ^ (after * 0x9E3779B97F4A7C15ULL)) + context;
}
} // namespace

AnchoredSubjects::AnchoredSubjects(const uchar *foldClasses, const TextFinder &anchor)
    : m_fold(foldClasses)
    , m_anchor(anchor)
{
}

bool AnchoredSubjects::add(QByteArrayView classes)
{
    const qsizetype at = classes.indexOf(QByteArrayView(m_anchor.classes()));
    if (at < 0)
        return false;
    const qsizetype length = m_anchor.size();
    const Context context{std::min(at, kContext), std::min(classes.size() - at - length, kContext)};
    size_t c = 0;
    while (c < m_contexts.size() && (m_contexts[c].before != context.before || m_contexts[c].after != context.after))
        ++c;
    if (c == m_contexts.size())
        m_contexts.push_back(context);
    const uchar *bytes = reinterpret_cast<const uchar *>(classes.data());
    quint64 before = kBasis;
    for (qsizetype k = 1; k <= context.before; ++k)
        before = Step(before, bytes[at - k]);
    quint64 after = kBasis;
    for (qsizetype k = 0; k < context.after; ++k)
        after = Step(after, bytes[at + length + k]);
    m_keys.push_back(Key(before, after, c));
    m_subjects.push_back({classes.toByteArray(), at});
    m_table.clear();
    return true;
}

void AnchoredSubjects::buildTable()
{
    size_t count = 16;
    while (count < 4 * m_keys.size())
        count *= 2;
    m_table.assign(count, -1);
    m_next.assign(m_keys.size(), -1);
    for (size_t s = 0; s < m_keys.size(); ++s) {
        size_t slot = size_t(m_keys[s] >> 17) & (count - 1);
        while (m_table[slot] >= 0 && m_keys[size_t(m_table[slot])] != m_keys[s])
            slot = (slot + 1) & (count - 1);
        m_next[s] = m_table[slot];
        m_table[slot] = int(s);
    }
}

int AnchoredSubjects::firstWithKey(quint64 key) const
{
    const size_t mask = m_table.size() - 1;
    for (size_t slot = size_t(key >> 17) & mask; m_table[slot] >= 0; slot = (slot + 1) & mask)
        if (m_keys[size_t(m_table[slot])] == key)
            return m_table[slot];
    return -1;
}

bool AnchoredSubjects::match(const IndexWindows &window, FieldLocator &fields, qsizetype at, FoundFields *found) const
{
    // The bytes are compared first and the field looked up only for a subject
    // that occurs: a subject's bytes around the anchor lie in its field, and
    // the window starts where a field starts, so they lie in the window too.
    const uchar *data = reinterpret_cast<const uchar *>(window.data());
    const qsizetype size = window.size();
    const qsizetype length = m_anchor.size();
    // The keys of up to kContext bytes on either side, nearest first.
    quint64 before[kContext + 1];
    quint64 after[kContext + 1];
    const qsizetype haveBefore = std::min(at, kContext);
    const qsizetype haveAfter = std::min(size - at - length, kContext);
    before[0] = after[0] = kBasis;
    for (qsizetype k = 1; k <= haveBefore; ++k)
        before[k] = Step(before[k - 1], m_fold[data[at - k]]);
    for (qsizetype k = 1; k <= haveAfter; ++k)
        after[k] = Step(after[k - 1], m_fold[data[at + length + k - 1]]);

    for (size_t c = 0; c < m_contexts.size(); ++c) {
        if (m_contexts[c].before > haveBefore || m_contexts[c].after > haveAfter)
            continue;
        const quint64 key = Key(before[m_contexts[c].before], after[m_contexts[c].after], c);
        for (int s = firstWithKey(key); s >= 0; s = m_next[size_t(s)]) {
            const Subject &subject = m_subjects[size_t(s)];
            const qsizetype x = at - subject.anchorAt;
            if (x < 0 || x + subject.classes.size() > size)
                continue;
            const uchar *classes = reinterpret_cast<const uchar *>(subject.classes.constData());
            qsizetype i = 0;
            while (i < subject.classes.size() && m_fold[data[x + i]] == classes[i])
                ++i;
            if (i < subject.classes.size())
                continue;
            const FieldSpan &field = fields.fieldAt(at);
            if (!window.complete(field))
                return false;
            if (x >= field.begin && x + subject.classes.size() <= field.end)
                found->found(size_t(s), window, field);
        }
    }
    return true;
}

bool AnchoredSubjects::fileNames(QIODevice &index, qint64 from, qsizetype windowSize, std::vector<QString> *names)
{
    FoundFields found(m_subjects.size());
    if (m_table.empty())
        buildTable();
    IndexWindows window(index, from, windowSize);
    while (window.read()) {
        const char *data = window.data();
        const qsizetype size = window.size();
        FieldLocator fields(data, size, 0);
        qsizetype at = m_anchor.find(data, 0, size);
        for (; at < size; at = m_anchor.find(data, at + 1, size))
            if (!match(window, fields, at, &found))
                break;
        // The next window starts with the field that the window cut off: an
        // occurrence in it may not have been seen whole.
        if (!window.reachesEnd()) {
            fields.fieldAt(size - 1);
            window.resumeAt(fields.readStart());
        }
        found.capture(window);
    }
    names->clear();
    for (size_t s = 0; s < m_subjects.size(); ++s)
        names->push_back(found.fileName(s));
    return !window.failed();
}

} // namespace veldra::index
