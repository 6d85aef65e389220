#include "index/LongSubjects.h"

#include "index/AnsiFold.h"
#include "index/Fingerprint.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <queue>

namespace veldra::index
{

namespace
{

using text::FieldSpan;

// The smallest period of s[0, n), n > 0: n less its longest proper border.
qsizetype SmallestPeriod(const uchar *s, qsizetype n, std::vector<int> &border)
{
    border.resize(size_t(n));
    border[0] = 0;
    for (qsizetype i = 1; i < n; ++i) {
        int k = border[size_t(i - 1)];
        while (k > 0 && s[i] != s[k])
            k = border[size_t(k - 1)];
        if (s[i] == s[k])
            ++k;
        border[size_t(i)] = k;
    }
    return n - border[size_t(n - 1)];
}

struct Subject {
    const uchar *bytes;
    qsizetype size;
    size_t number; // in the caller's list
    quint64 whole; // fingerprint of all of it
    quint64 power; // the base to its size
    quint64 root;  // fingerprint of its first period, where one period makes all of it
    bool active;
};

// The fingerprint of one of a subject's first `block` shifts (its bytes from
// `shift` on, `block` of them).
struct Shift {
    quint64 print;
    quint32 subject;
    quint32 shift;
    bool operator<(const Shift &o) const { return print < o.print; }
};

// Bytes [from, to) of a subject repeat a period of at most a quarter block,
// and no byte next to them does.
struct Run {
    qsizetype period;
    quint32 subject;
    qsizetype from;
    qsizetype to;
    bool operator<(const Run &o) const { return period < o.period; }
};

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
    bool scan(const FieldSpan &f, const std::atomic<bool> *stop);

private:
    uchar at(qsizetype x) const { return m_fold[uchar(m_data[x])]; }
    quint64 prefix(qsizetype x) const { return m_prefix[size_t(x - m_field.begin) & m_mask]; }
    void add(const QByteArray &classes, size_t number);
    void sample(qsizetype q);
    void fromRun(qsizetype period, qsizetype from, qsizetype to);
    void candidate(quint32 subject, qsizetype start);
    void schedule(const Pending &p);
    void settle(const Pending &p);
    bool equalAt(const Subject &s, qsizetype start) const;
    void found(quint32 subject);

    const char *m_data;
    const uchar *m_fold;
    qsizetype m_block;
    Fingerprint m_print;
    quint64 m_blockPower;
    quint64 m_topPower; // the base to block - 1
    std::vector<Subject> m_subjects;
    std::vector<Shift> m_shifts; // by fingerprint
    std::vector<Run> m_runs;     // by period
    std::vector<FieldSpan> *m_last;
    int m_active = 0;
    qsizetype m_shortest = 0;
    qsizetype m_longest = 0;

    // The field being read: its prefix fingerprints of the last bytes read,
    // the places to compare by the block their end lies in, and those that
    // start past what has been read.
    FieldSpan m_field{-1, -1, -1};
    qsizetype m_read = 0; // prefix fingerprints are known up to here
    std::vector<quint64> m_prefix;
    size_t m_mask = 0;
    std::vector<std::vector<Pending>> m_byEnd;
    std::priority_queue<Pending, std::vector<Pending>, std::greater<Pending>> m_later;
    struct {
        qsizetype period = 0;
        qsizetype from = 0;
        qsizetype to = 0;
    } m_run; // the last run a block lay in
    std::vector<int> m_border;
    std::vector<uchar> m_blockBytes;
    std::vector<Shift> m_rotations;
};

LongSearch::LongSearch(const char *data, const std::vector<QByteArray> &subjects, const std::vector<size_t> &which,
                       qsizetype block, std::vector<FieldSpan> *last)
    : m_data(data)
    , m_fold(AnsiFold::instance().classes())
    , m_block(block)
    , m_blockPower(m_print.power(block))
    , m_topPower(m_print.power(block - 1))
    , m_last(last)
{
    m_shortest = std::numeric_limits<qsizetype>::max();
    for (const size_t n : which)
        add(subjects[n], n);
    std::sort(m_shifts.begin(), m_shifts.end());
    std::stable_sort(m_runs.begin(), m_runs.end());
    // A place to compare starts at most 3 blocks before the end of what is
    // read, and ends at most a subject after it.
    size_t ring = 1;
    while (ring < size_t(8 * block))
        ring <<= 1;
    m_prefix.resize(ring);
    m_mask = ring - 1;
    m_byEnd.resize(size_t(m_longest / block + 6));
    m_blockBytes.resize(size_t(block));
}

void LongSearch::add(const QByteArray &classes, size_t number)
{
    const uchar *s = reinterpret_cast<const uchar *>(classes.constData());
    const qsizetype size = classes.size();
    const quint32 id = quint32(m_subjects.size());
    m_subjects.push_back({s, size, number, m_print.of(s, size), m_print.power(size), 0, true});
    ++m_active;
    m_shortest = std::min(m_shortest, size);
    m_longest = std::max(m_longest, size);

    quint64 h = m_print.of(s, m_block);
    m_shifts.push_back({h, id, 0});
    for (qsizetype j = 1; j < m_block; ++j) {
        h = m_print.next(Fingerprint::Sub(h, Fingerprint::Mul(s[j - 1], m_topPower)), s[j + m_block - 1]);
        m_shifts.push_back({h, id, quint32(j)});
    }

    // Any run that holds one of the first shifts' blocks holds one of these
    // half blocks whole, which then shows its period.
    const qsizetype half = m_block / 2;
    const size_t firstRun = m_runs.size();
    for (qsizetype c = 0; c <= m_block; c += half) {
        bool known = false;
        for (size_t r = firstRun; r < m_runs.size(); ++r)
            known = known || (m_runs[r].from <= c && c + half <= m_runs[r].to);
        if (known)
            continue;
        const qsizetype period = SmallestPeriod(s + c, half, m_border);
        if (period > m_block / 4)
            continue;
        qsizetype from = c;
        while (from > 0 && s[from - 1] == s[from - 1 + period])
            --from;
        qsizetype to = c + half;
        while (to < size && s[to] == s[to - period])
            ++to;
        m_runs.push_back({period, id, from, to});
        if (from == 0 && to == size)
            m_subjects.back().root = m_print.of(s, period);
    }
}

bool LongSearch::scan(const FieldSpan &f, const std::atomic<bool> *stop)
{
    m_field = f;
    m_run = {};
    m_prefix[0] = 0;
    quint64 h = 0;
    qsizetype untilSample = m_block;
    for (qsizetype x = f.begin; x < f.end; ++x) {
        m_read = x;
        while (!m_later.empty() && m_later.top().start == x) {
            Pending p = m_later.top();
            m_later.pop();
            p.startPrint = h;
            schedule(p);
        }
        h = m_print.next(h, at(x));
        m_prefix[size_t(x + 1 - f.begin) & m_mask] = h;
        if (--untilSample > 0)
            continue;
        untilSample = m_block;
        if (stop && stop->load(std::memory_order_relaxed))
            return false;
        m_read = x + 1;
        const qsizetype q = x + 1 - m_block;
        sample(q);
        auto &due = m_byEnd[size_t((q - f.begin) / m_block) % m_byEnd.size()];
        for (const Pending &p : due)
            settle(p);
        due.clear();
        if (!anyActive())
            break;
    }
    m_read = f.end;
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
    for (qsizetype i = 0; i < m_block; ++i)
        m_blockBytes[size_t(i)] = at(q + i);
    const qsizetype period = SmallestPeriod(m_blockBytes.data(), m_block, m_border);
    if (period > m_block / 4) {
        // Equal shifts of one subject lie more than a quarter block apart:
        // at most four of each subject match.
        const Shift key{Fingerprint::Between(prefix(q), prefix(q + m_block), m_blockPower), 0, 0};
        const auto [first, last] = std::equal_range(m_shifts.begin(), m_shifts.end(), key);
        for (auto it = first; it != last; ++it)
            candidate(it->subject, q - it->shift);
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
    const Run key{period, 0, 0, 0};
    const auto [first, last] = std::equal_range(m_runs.begin(), m_runs.end(), key);
    bool rotated = false;
    for (auto r = first; r != last; ++r) {
        const Subject &s = m_subjects[r->subject];
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
        const auto [rFirst, rLast] = std::equal_range(m_rotations.begin(), m_rotations.end(), Shift{s.root, 0, 0});
        for (auto d = rFirst; d != rLast; ++d) {
            const qsizetype start = from + d->shift;
            if (start + s.size <= to && equalAt(s, start)) {
                found(r->subject);
                break;
            }
        }
    }
}

void LongSearch::candidate(quint32 subject, qsizetype start)
{
    const Subject &s = m_subjects[subject];
    if (!s.active || start < m_field.begin || start + s.size > m_field.end)
        return;
    Pending p{start + s.size, start, 0, subject};
    if (start > m_read) {
        m_later.push(p);
        return;
    }
    Q_ASSERT(m_read - start < qsizetype(m_prefix.size()));
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
    const Subject &s = m_subjects[p.subject];
    if (s.active && Fingerprint::Between(p.startPrint, prefix(p.end), s.power) == s.whole && equalAt(s, p.start))
        found(p.subject);
}

bool LongSearch::equalAt(const Subject &s, qsizetype start) const
{
    for (qsizetype i = 0; i < s.size; ++i)
        if (at(start + i) != s.bytes[i])
            return false;
    return true;
}

void LongSearch::found(quint32 subject)
{
    Subject &s = m_subjects[subject];
    s.active = false;
    (*m_last)[s.number] = m_field;
    --m_active;
    m_shortest = std::numeric_limits<qsizetype>::max();
    for (const Subject &o : m_subjects)
        if (o.active)
            m_shortest = std::min(m_shortest, o.size);
}

} // namespace

qsizetype LongSubjectBlock(qsizetype batchBytes)
{
    return std::clamp<qsizetype>(batchBytes / 8 / 4 * 4, 4, 2048);
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
