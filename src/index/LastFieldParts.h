#pragma once

#include "index/AlignedSubjects.h"
#include "index/ShortSubjects.h"
#include "index/SubjectAutomaton.h"
#include "text/FieldLocator.h"

#include <QByteArrayView>

#include <atomic>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

namespace veldra::index
{

class SubjectMatcher;
class TextFinder;

// The last fields' pass reads the whole rest of the index, so on a large one
// a second thread takes its second half. Where that half starts is guessed (a
// line end past the middle) and checked by the first part once it gets there:
// a line end inside a quoted field is no start of a read, and then the first
// part reads on to the end itself. Each part notes its own last fields; a
// subject's last field is the second part's, if it has one.

// Where the second part starts, or -1 for one part: the rest of the index
// from `from` is shorter than `minimum`, has no line end past its middle, or
// the machine has one core.
qsizetype SecondPartStart(QByteArrayView index, qint64 from, qsizetype minimum);

// Where the parts stop: the search's `stop`, and for the second part, being
// no longer needed.
struct PartStops {
    const std::atomic<bool> *stop = nullptr;
    const std::atomic<bool> *unneeded = nullptr;
    bool stopped() const
    {
        return (stop && stop->load(std::memory_order_relaxed)) ||
               (unneeded && unneeded->load(std::memory_order_relaxed));
    }
};

// The fields where the anchor occurs, fed to the automaton around each
// occurrence: a subject that occurs holds the anchor where it first occurs in
// it, so only `before` bytes before it and `after` after it matter, and only
// in fields of at least `shortest` bytes.
class AnchoredPart
{
public:
    AnchoredPart(QByteArrayView index, qsizetype start, const TextFinder &anchor, const SubjectAutomaton &automaton,
                 qsizetype before, qsizetype after, qsizetype shortest, PartStops stops);
    // Reads the occurrences that lie wholly before `end`; false when stopped.
    bool run(qsizetype end);
    bool readsStartAt(qsizetype pos) const { return m_fields.startsReadAt(pos); }
    text::FieldSpan lastField(int number) { return m_automaton.lastField(number, m_marks); }

private:
    const char *m_data;
    const TextFinder &m_anchor;
    const SubjectAutomaton &m_automaton;
    qsizetype m_before;
    qsizetype m_after;
    PartStops m_stops;
    qsizetype m_shortest;
    text::FieldLocator m_fields;
    qsizetype m_next;     // where the next occurrence is looked for
    qsizetype m_fed = -1; // where the bytes fed so far end
    int m_state = 0;
    SubjectAutomaton::Marks m_marks;
};

// The automaton, built by the first part that needs it.
class LazyAutomaton
{
public:
    explicit LazyAutomaton(SubjectAutomaton &automaton)
        : m_automaton(automaton)
    {
    }
    const SubjectAutomaton &get()
    {
        std::call_once(m_built, [this] { m_automaton.build(); });
        return m_automaton;
    }

private:
    SubjectAutomaton &m_automaton;
    std::once_flag m_built;
};

// Looks for the subjects at each occurrence of the anchor (AlignedSubjects);
// should that take more than a few times the bytes read, the rest of the part
// is fed to the automaton instead.
class AlignedPart
{
public:
    AlignedPart(QByteArrayView index, qsizetype start, const TextFinder &anchor, const AlignedSubjects &aligned,
                LazyAutomaton &automaton, qsizetype before, qsizetype after, PartStops stops);
    bool run(qsizetype end);
    bool readsStartAt(qsizetype pos) const;
    text::FieldSpan lastField(int number);

private:
    QByteArrayView m_index;
    qsizetype m_start;
    const TextFinder &m_anchor;
    const AlignedSubjects &m_aligned;
    LazyAutomaton &m_lazy;
    qsizetype m_before;
    qsizetype m_after;
    PartStops m_stops;
    text::FieldLocator m_fields;
    qsizetype m_next;
    qsizetype m_work = 0;
    std::vector<text::FieldSpan> m_seen;
    std::optional<AnchoredPart> m_rest; // once the automaton took over
};

// The same for a few shapes of short subjects (see ShortSubjects).
class ShapesPart
{
public:
    ShapesPart(QByteArrayView index, qsizetype start, const TextFinder &anchor, const ShortSubjects &few,
               PartStops stops);
    bool run(qsizetype end);
    bool readsStartAt(qsizetype pos) const { return m_fields.startsReadAt(pos); }
    const text::FieldSpan &lastField(int number) const { return m_few.lastField(number); }

private:
    const char *m_data;
    qsizetype m_size;
    const TextFinder &m_anchor;
    ShortSubjects m_few;
    PartStops m_stops;
    text::FieldLocator m_fields;
    qsizetype m_next;
};

// Every field where a subject may start, fed whole.
class FieldsPart
{
public:
    FieldsPart(QByteArrayView index, qsizetype start, const SubjectMatcher &starts, const SubjectAutomaton &automaton,
               PartStops stops);
    // Reads the fields whose reads start before `end`; false when stopped.
    bool run(qsizetype end);
    bool readsStartAt(qsizetype pos) const { return m_pos == pos; }
    text::FieldSpan lastField(int number) { return m_automaton.lastField(number, m_marks); }
    // The last field read; begin is -1 when none was.
    const text::FieldSpan &lastOfAll() const { return m_lastOfAll; }

private:
    const char *m_data;
    qsizetype m_size;
    const SubjectMatcher &m_starts;
    const SubjectAutomaton &m_automaton;
    PartStops m_stops;
    qsizetype m_pos;
    text::FieldSpan m_lastOfAll{-1, -1, -1};
    SubjectAutomaton::Marks m_marks;
};

// Runs `first` to the end of the index (`size`), or, with a `second` part
// that starts at `split`, first up to split while second runs in a thread of
// its own. False when stopped; `joined` tells whether the second part's
// fields count (its start was one of the first part's reads).
template <typename Part>
bool RunParts(Part &first, std::optional<Part> &secondPart, qsizetype split, qsizetype size,
              std::atomic<bool> &unneeded, bool *joined)
{
    *joined = false;
    Part *second = secondPart ? &*secondPart : nullptr;
    bool secondRan = false;
    std::thread other;
    if (second) {
        try {
            other = std::thread([&] { secondRan = second->run(size); });
        } catch (const std::system_error &) {
            second = nullptr; // no thread to be had: one part does it all
        }
    }
    if (!second)
        return first.run(size);
    bool ran = first.run(split);
    *joined = ran && first.readsStartAt(split);
    if (!*joined)
        unneeded.store(true, std::memory_order_relaxed);
    other.join();
    if (!ran)
        return false;
    return *joined ? secondRan : first.run(size);
}

// One pass of `Part`s: the first from `from` on, and a second from `split`
// (none for -1), both made with the same arguments and the search's stop.
template <typename Part> class TwoParts
{
public:
    template <typename... Args>
    TwoParts(QByteArrayView index, qint64 from, qsizetype split, const std::atomic<bool> *stop, Args &&...args)
        : m_size(index.size())
        , m_split(split)
        , m_first(index, from, args..., PartStops{stop, nullptr})
    {
        if (split >= 0)
            m_second.emplace(index, split, args..., PartStops{stop, &m_unneeded});
    }
    TwoParts(const TwoParts &) = delete;
    TwoParts &operator=(const TwoParts &) = delete;

    // False when stopped.
    bool run() { return RunParts(m_first, m_second, m_split, m_size, m_unneeded, &m_joined); }
    // A subject's last field: the second part's, where it counts and found one.
    text::FieldSpan lastField(int number)
    {
        if (m_joined)
            if (const text::FieldSpan later = m_second->lastField(number); later.begin >= 0)
                return later;
        return m_first.lastField(number);
    }
    // The part that read the end of the index.
    Part &last() { return m_joined ? *m_second : m_first; }
    Part &first() { return m_first; }

private:
    // The two parts run on two threads and write their state all the time: a
    // cache line of their own each, or the lines shared between them go back
    // and forth between the cores and the pass takes twice as long.
    static constexpr size_t kLine = 64;
    qsizetype m_size;
    qsizetype m_split;
    bool m_joined = false;
    alignas(kLine) std::atomic<bool> m_unneeded{false};
    alignas(kLine) Part m_first;
    alignas(kLine) std::optional<Part> m_second;
};

} // namespace veldra::index
