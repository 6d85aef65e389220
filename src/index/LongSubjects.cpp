#include "index/LongSubjects.h"

#include "index/AnsiFold.h"
#include "index/FieldPrints.h"
#include "index/Fingerprint.h"
#include "index/LongSubjectTables.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <queue>

namespace veldra::index
{

namespace
{

using text::FieldSpan;

// A place where a subject may occur: compared when the read reaches its end.
struct Pending {
    qsizetype end;
    qsizetype start;
    quint64 startPrint; // the field's prefix fingerprint at start
    quint32 subject;
    bool operator>(const Pending &o) const { return start > o.start; }
};

class LongSearch
{
public:
    LongSearch(const char *data, const std::vector<QByteArray> &subjects, const std::vector<size_t> &which,
               qsizetype block, std::vector<FieldSpan> *last);

    bool anyActive() const { return m_active > 0; }
    qsizetype shortestActive() const { return m_shortest; }
    // Reads field f; false when stopped.
    bool scan(const FieldSpan &f, const std::atomic<bool> *stop);

private:
    uchar at(qsizetype x) const { return m_fold[uchar(m_data[x])]; }
    quint64 prefix(qsizetype x) const { return m_prints.prefix(x); }
    void sample(qsizetype q);
    void fromRun(qsizetype period, qsizetype from, qsizetype to);
    void candidate(quint32 subject, qsizetype start);
    // Where start has been read and its prefix fingerprint is known.
    void candidate(quint32 subject, qsizetype start, quint64 startPrint);
    void schedule(const Pending &p);
    void settle(const Pending &p);
    bool equalAt(const LongSubject &s, qsizetype start) const;
    void found(quint32 subject);

    const char *m_data;
    const uchar *m_fold;
    qsizetype m_block;
    Fingerprint m_print;
    quint64 m_blockPower;
    LongSubjectTables m_tables;
    std::vector<LongSubject> &m_subjects;
    std::vector<FieldSpan> *m_last;
    int m_active = 0;
    qsizetype m_shortest = std::numeric_limits<qsizetype>::max();

    // The field being read: the prefix fingerprints of its last bytes read,
    // the places to compare by the block their end lies in, and those that
    // start past what has been read.
    FieldSpan m_field{-1, -1, -1};
    qsizetype m_read = 0; // prefix fingerprints are known up to here
    FieldPrints m_prints;
    std::vector<std::vector<Pending>> m_byEnd;
    std::priority_queue<Pending, std::vector<Pending>, std::greater<Pending>> m_later;
    struct {
        qsizetype period = 0;
        qsizetype from = 0;
        qsizetype to = 0;
    } m_run; // the last run a block lay in
    std::vector<uchar> m_blockBytes;
    std::vector<SubjectShift> m_rotations;
};

LongSearch::LongSearch(const char *data, const std::vector<QByteArray> &subjects, const std::vector<size_t> &which,
                       qsizetype block, std::vector<FieldSpan> *last)
    : m_data(data)
    , m_fold(AnsiFold::instance().classes())
    , m_block(block)
    , m_blockPower(m_print.power(block))
    , m_tables(subjects, which, block, m_print)
    , m_subjects(m_tables.subjects())
    , m_last(last)
    // A place to compare starts at most 3 blocks before the end of what is
    // read, and ends at most a subject after it.
    , m_prints(m_print, m_fold, block, 8 * block)
    , m_byEnd(size_t(m_tables.longest() / block + 6))
    , m_blockBytes(size_t(block))
{
    for (const LongSubject &s : m_subjects) {
        ++m_active;
        m_shortest = std::min(m_shortest, s.size);
    }
}

bool LongSearch::scan(const FieldSpan &f, const std::atomic<bool> *stop)
{
    m_field = f;
    m_run = {};
    m_prints.start(m_data, f.begin);
    for (qsizetype q = f.begin; q < f.end; q += m_block) {
        const qsizetype n = std::min(m_block, f.end - q);
        if (n == m_block)
            m_prints.readBlock(q, m_blockBytes.data());
        else
            m_prints.readTail(q, n);
        m_read = q + n;
        while (!m_later.empty() && m_later.top().start <= m_read) {
            Pending p = m_later.top();
            m_later.pop();
            p.startPrint = prefix(p.start);
            schedule(p);
        }
        if (n < m_block)
            break;
        if (stop && stop->load(std::memory_order_relaxed))
            return false;
        sample(q);
        auto &due = m_byEnd[size_t((q - f.begin) / m_block) % m_byEnd.size()];
        for (const Pending &p : due)
            settle(p);
        due.clear();
        if (!anyActive())
            break;
    }
    // Places whose end lies in the last, partial block (or at the field's end).
    for (auto &due : m_byEnd) {
        for (const Pending &p : due)
            settle(p);
        due.clear();
    }
    m_later = {};
    return true;
}

void LongSearch::sample(qsizetype q)
{
    const qsizetype period = ShortPeriod(m_blockBytes.data(), m_block);
    if (period == 0) {
        // Equal shifts of one subject lie more than a quarter block apart:
        // at most four of each subject match.
        const quint64 print = Fingerprint::Between(prefix(q), prefix(q + m_block), m_blockPower);
        m_tables.forShifts(print, [&](const SubjectShift &shift) {
            const qsizetype start = q - shift.shift;
            if (start < m_field.begin)
                return;
            const quint64 startPrint = prefix(start);
            m_tables.forMembers(shift.group, [&](quint32 subject) { candidate(subject, start, startPrint); });
        });
        return;
    }
    if (period == m_run.period && m_run.from <= q && q + m_block <= m_run.to)
        return; // the run the last block lay in, already looked at
    // A new run starts less than a block before q: the block before lay
    // elsewhere.
    qsizetype from = q;
    while (from > m_field.begin && at(from - 1) == at(from - 1 + period))
        --from;
    qsizetype to = q + m_block;
    while (to < m_field.end && at(to) == at(to - period))
        ++to;
    m_run = {period, from, to};
    fromRun(period, from, to);
}

void LongSearch::fromRun(qsizetype period, qsizetype from, qsizetype to)
{
    const auto [first, last] = m_tables.runs(period);
    bool rotated = false;
    for (auto r = first; r != last; ++r) {
        const LongSubject &s = m_subjects[r->subject];
        if (!s.active)
            continue;
        // The subject's run, where it occurs, is the text's: its edges inside
        // the subject are the text's edges.
        if (r->from > 0) {
            const qsizetype start = from - r->from;
            if (r->to == s.size || start + r->to == to)
                candidate(r->subject, start);
            continue;
        }
        if (r->to < s.size) {
            if (to - r->to >= from)
                candidate(r->subject, to - r->to);
            continue;
        }
        // All of the subject repeats the period: it occurs where the text
        // shows its first period, if the run is long enough from there. The
        // period's rotations differ, so there is one such place in a period.
        if (to - from < s.size)
            continue;
        if (!rotated) {
            rotated = true;
            m_rotations.clear();
            const quint64 power = m_print.power(period);
            for (qsizetype d = 0; d < period; ++d)
                m_rotations.push_back(
                    {Fingerprint::Between(prefix(from + d), prefix(from + d + period), power), 0, quint32(d)});
            std::sort(m_rotations.begin(), m_rotations.end());
        }
        const auto [rFirst, rLast] =
            std::equal_range(m_rotations.begin(), m_rotations.end(), SubjectShift{s.root, 0, 0});
        for (auto d = rFirst; d != rLast; ++d) {
            const qsizetype start = from + d->shift;
            if (start + s.size <= to && equalAt(s, start)) {
                found(r->subject);
                break;
            }
        }
    }
}

void LongSearch::candidate(quint32 subject, qsizetype start, quint64 startPrint)
{
    const LongSubject &s = m_subjects[subject];
    if (s.active && start + s.size <= m_field.end)
        schedule(Pending{start + s.size, start, startPrint, subject});
}

void LongSearch::candidate(quint32 subject, qsizetype start)
{
    const LongSubject &s = m_subjects[subject];
    if (!s.active || start < m_field.begin || start + s.size > m_field.end)
        return;
    Pending p{start + s.size, start, 0, subject};
    if (start > m_read) {
        m_later.push(p);
        return;
    }
    p.startPrint = prefix(start);
    schedule(p);
}

void LongSearch::schedule(const Pending &p)
{
    if (p.end <= m_read)
        settle(p);
    else
        m_byEnd[size_t((p.end - m_field.begin) / m_block) % m_byEnd.size()].push_back(p);
}

void LongSearch::settle(const Pending &p)
{
    const LongSubject &s = m_subjects[p.subject];
    if (s.active && Fingerprint::Between(p.startPrint, prefix(p.end), s.power) == s.whole && equalAt(s, p.start))
        found(p.subject);
}

bool LongSearch::equalAt(const LongSubject &s, qsizetype start) const
{
    for (qsizetype i = 0; i < s.size; ++i)
        if (at(start + i) != s.bytes[i])
            return false;
    return true;
}

void LongSearch::found(quint32 subject)
{
    LongSubject &s = m_subjects[subject];
    s.active = false;
    (*m_last)[s.number] = m_field;
    --m_active;
    m_shortest = std::numeric_limits<qsizetype>::max();
    for (const LongSubject &o : m_subjects)
        if (o.active)
            m_shortest = std::min(m_shortest, o.size);
}

} // namespace

qsizetype LongSubjectBlock(qsizetype batchBytes)
{
    qsizetype block = 4;
    while (block < 2048 && 2 * block <= batchBytes / 8)
        block *= 2;
    return block;
}

bool LastFieldsOfLongSubjects(QByteArrayView index, const std::vector<QByteArray> &subjects,
                              const std::vector<size_t> &which, qint64 from, qsizetype block,
                              const std::atomic<bool> *stop, std::vector<FieldSpan> *last, FieldSpan *lastOfAll)
{
    *lastOfAll = FieldSpan{-1, -1, -1};
    LongSearch search(index.data(), subjects, which, block, last);
    std::vector<FieldSpan> fields;
    qsizetype count = 0;
    for (qsizetype pos = from; pos < index.size();) {
        const FieldSpan f = text::NextField(index.data(), index.size(), pos);
        pos = f.next;
        *lastOfAll = f;
        if (f.end - f.begin >= search.shortestActive())
            fields.push_back(f);
        if ((++count & 0xFFF) == 0 && stop && stop->load(std::memory_order_relaxed))
            return false;
    }
    // Last field first: a subject found is done.
    for (auto f = fields.rbegin(); f != fields.rend() && search.anyActive(); ++f)
        if (f->end - f->begin >= search.shortestActive() && !search.scan(*f, stop))
            return false;
    return true;
}

} // namespace veldra::index
