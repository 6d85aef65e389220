#include "index/LastFieldParts.h"

#include "index/SubjectMatcher.h"
#include "index/TextFinder.h"

#include <algorithm>
#include <cstring>

namespace veldra::index
{

qsizetype SecondPartStart(QByteArrayView index, qint64 from, qsizetype minimum)
{
    const qsizetype size = index.size();
    if (from < 0 || size - from < std::max<qsizetype>(minimum, 2) || std::thread::hardware_concurrency() < 2)
        return -1;
    const qsizetype middle = qsizetype(from) + (size - qsizetype(from)) / 2;
    const void *lineEnd = std::memchr(index.data() + middle, '\n', size_t(size - middle));
    if (!lineEnd)
        return -1;
    const qsizetype start = static_cast<const char *>(lineEnd) - index.data() + 1;
    return start < size ? start : -1;
}

AnchoredPart::AnchoredPart(QByteArrayView index, qsizetype start, const TextFinder &anchor,
                           const SubjectAutomaton &automaton, qsizetype before, qsizetype after, qsizetype shortest,
                           PartStops stops)
    : m_data(index.data())
    , m_anchor(anchor)
    , m_automaton(automaton)
    , m_before(before)
    , m_after(after)
    , m_stops(stops)
    , m_shortest(shortest)
    , m_fields(index.data(), index.size(), start)
    , m_next(start)
    , m_marks(automaton.newMarks())
{
}

bool AnchoredPart::run(qsizetype end)
{
    const qsizetype length = m_anchor.size();
    for (qsizetype at = m_anchor.find(m_data, m_next, end); at < end; at = m_anchor.find(m_data, at + 1, end)) {
        m_next = at + 1;
        const text::FieldSpan &f = m_fields.fieldAt(at);
        if (at < f.begin || at + length > f.end || f.end - f.begin < m_shortest)
            continue;
        if (m_stops.stopped())
            return false;
        // Bytes already fed in the same field are not fed again: the
        // automaton goes on from where it stood.
        qsizetype begin = std::max(f.begin, at - m_before);
        if (begin <= m_fed && m_fed <= f.end && m_fed > f.begin)
            begin = m_fed;
        else
            m_state = 0;
        const qsizetype stop = std::min(f.end, at + length + m_after);
        if (stop > begin) {
            m_state = m_automaton.feed(m_data, begin, stop, f, m_state, m_marks);
            m_fed = stop;
        }
    }
    return true;
}

namespace
{
// The work the aligned subjects may take per byte read, and once more at the
// start, before the automaton takes over.
constexpr qsizetype kWorkPerByte = 4;
constexpr qsizetype kWorkAtStart = 64 * 1024;
} // namespace

AlignedPart::AlignedPart(QByteArrayView index, qsizetype start, const TextFinder &anchor,
                         const AlignedSubjects &aligned, LazyAutomaton &automaton, qsizetype before, qsizetype after,
                         PartStops stops)
    : m_index(index)
    , m_start(start)
    , m_anchor(anchor)
    , m_aligned(aligned)
    , m_lazy(automaton)
    , m_before(before)
    , m_after(after)
    , m_stops(stops)
    , m_fields(index.data(), index.size(), start)
    , m_next(start)
    , m_seen(aligned.count(), text::FieldSpan{-1, -1, -1})
{
}

bool AlignedPart::run(qsizetype end)
{
    if (m_rest)
        return m_rest->run(end);
    const char *data = m_index.data();
    const uchar *bytes = reinterpret_cast<const uchar *>(data);
    const qsizetype size = m_index.size();
    for (qsizetype at = m_anchor.find(data, m_next, end); at < end; at = m_anchor.find(data, at + 1, end)) {
        m_next = at + 1;
        if (m_stops.stopped())
            return false;
        m_work += m_aligned.at(bytes, size, at, [&](int number, qsizetype start) {
            const text::FieldSpan &f = m_fields.fieldAt(at);
            if (start >= f.begin && start + m_aligned.length(number) <= f.end)
                m_seen[size_t(number)] = f;
        });
        if (m_work > kWorkPerByte * (at - m_start) + kWorkAtStart) {
            // The field of this occurrence is fed again from its read on.
            m_fields.fieldAt(at);
            m_rest.emplace(m_index, m_fields.readStart(), m_anchor, m_lazy.get(), m_before, m_after, 0, m_stops);
            return m_rest->run(end);
        }
    }
    return true;
}

bool AlignedPart::readsStartAt(qsizetype pos) const
{
    if (m_rest)
        return m_rest->readsStartAt(pos);
    return m_fields.startsReadAt(pos);
}

text::FieldSpan AlignedPart::lastField(int number)
{
    if (m_rest)
        if (const text::FieldSpan later = m_rest->lastField(number); later.begin >= 0)
            return later;
    return m_seen[size_t(number)];
}

ShapesPart::ShapesPart(QByteArrayView index, qsizetype start, const TextFinder &anchor, const ShortSubjects &few,
                       PartStops stops)
    : m_data(index.data())
    , m_size(index.size())
    , m_anchor(anchor)
    , m_few(few)
    , m_stops(stops)
    , m_fields(index.data(), index.size(), start)
    , m_next(start)
{
}

bool ShapesPart::run(qsizetype end)
{
    for (qsizetype at = m_anchor.find(m_data, m_next, end); at < end; at = m_anchor.find(m_data, at + 1, end)) {
        m_next = at + 1;
        if (m_stops.stopped())
            return false;
        const text::FieldSpan &f = m_fields.fieldAt(at);
        if (at >= f.begin && at + m_anchor.size() <= f.end)
            m_few.occurrence(m_data, m_size, at, f);
    }
    return true;
}

FieldsPart::FieldsPart(QByteArrayView index, qsizetype start, const SubjectMatcher &starts,
                       const SubjectAutomaton &automaton, PartStops stops)
    : m_data(index.data())
    , m_size(index.size())
    , m_starts(starts)
    , m_automaton(automaton)
    , m_stops(stops)
    , m_pos(start)
    , m_marks(automaton.newMarks())
{
}

bool FieldsPart::run(qsizetype end)
{
    const qsizetype shortest = m_starts.isEmpty() ? m_size + 1 : m_starts.minimumLength();
    while (m_pos < end) {
        const text::FieldSpan f = text::NextField(m_data, m_size, m_pos);
        m_pos = f.next;
        m_lastOfAll = f;
        if (m_stops.stopped())
            return false;
        if (f.end - f.begin >= shortest &&
            m_starts.mayOccur(reinterpret_cast<const uchar *>(m_data) + f.begin, f.end - f.begin))
            m_automaton.feed(m_data, f.begin, f.end, f, 0, m_marks);
    }
    return true;
}

} // namespace veldra::index
