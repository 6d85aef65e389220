#include "index/SubjectBatches.h"

#include "index/AnsiFold.h"
#include "index/LastFieldParts.h"
#include "index/LongSubjects.h"
#include "index/SubjectAutomaton.h"
#include "index/SubjectMatcher.h"
#include "index/TextFinder.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace veldra::index
{

namespace
{

using text::FieldSpan;

struct Member {
    size_t subject;
    int number; // in the batch's automaton
};

template <typename Part, typename... Args>
bool RunPass(QByteArrayView index, const std::vector<Member> &members, qint64 from, qsizetype split,
             const std::atomic<bool> *stop, std::vector<FieldSpan> *last, Args &&...args)
{
    TwoParts<Part> parts(index, from, split, stop, args...);
    if (!parts.run())
        return false;
    for (const Member &m : members)
        (*last)[m.subject] = parts.lastField(m.number);
    return true;
}

bool RunBatch(QByteArrayView index, const std::vector<QByteArray> &subjects, const std::vector<Member> &members,
              SubjectAutomaton &automaton, qint64 from, const TextFinder *anchor, const std::atomic<bool> *stop,
              qsizetype split, std::vector<FieldSpan> *last)
{
    automaton.build();
    if (anchor) {
        qsizetype before = 0;
        qsizetype after = 0;
        qsizetype shortest = index.size() + 1;
        for (const Member &m : members) {
            const QByteArray &s = subjects[m.subject];
            const qsizetype a = s.indexOf(anchor->classes());
            before = std::max(before, a);
            after = std::max(after, s.size() - a - anchor->size());
            shortest = std::min(shortest, s.size());
        }
        return RunPass<AnchoredPart>(index, members, from, split, stop, last, *anchor, automaton, before, after,
                                     shortest);
    }
    SubjectMatcher starts(AnsiFold::instance().classes());
    for (const Member &m : members)
        starts.add(subjects[m.subject]);
    starts.build();
    return RunPass<FieldsPart>(index, members, from, split, stop, last, starts, automaton);
}

} // namespace

bool LastFieldsInBatches(QByteArrayView index, const std::vector<QByteArray> &subjects, qint64 from,
                         const TextFinder *anchor, const std::atomic<bool> *stop, qsizetype split, qsizetype batchBytes,
                         std::vector<FieldSpan> *last)
{
    last->assign(subjects.size(), FieldSpan{-1, -1, -1});
    batchBytes = std::max(batchBytes, kLeastBatchBytes);
    const qsizetype block = LongSubjectBlock(batchBytes);
    std::vector<size_t> empty;
    std::vector<size_t> longOnes;
    std::vector<size_t> order;
    for (size_t i = 0; i < subjects.size(); ++i)
        (subjects[i].isEmpty() ? empty : subjects[i].size() >= 2 * block ? longOnes : order).push_back(i);
    if (!longOnes.empty() || !empty.empty()) {
        FieldSpan lastOfAll;
        if (!LastFieldsOfLongSubjects(index, subjects, longOnes, from, block, stop, last, &lastOfAll))
            return false;
        for (const size_t n : empty)
            (*last)[n] = lastOfAll;
    }
    // Longest first: each batch's fields are then as long as its subjects
    // allow, and the short subjects of most indexes share one last batch.
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return subjects[a].size() > subjects[b].size(); });
    const uchar *fold = AnsiFold::instance().classes();
    for (size_t next = 0; next < order.size();) {
        SubjectAutomaton automaton(fold, SubjectAutomaton::kMaxTable, batchBytes);
        std::vector<Member> members;
        for (; next < order.size(); ++next) {
            const int number = automaton.add(subjects[order[next]]);
            if (number < 0)
                break;
            members.push_back({order[next], number});
        }
        if (!RunBatch(index, subjects, members, automaton, from, anchor, stop, split, last))
            return false;
    }
    return true;
}

} // namespace veldra::index
