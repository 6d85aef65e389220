#include "index/LongSubjectTables.h"

#include <cstring>

namespace veldra::index
{

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

qsizetype ShortPeriod(const uchar *s, qsizetype n)
{
    // With a smallest period p of at most n / 4, the first quarter occurs
    // again at p, and nowhere before it (the period would be smaller).
    const qsizetype quarter = n / 4;
    const void *again = ::memmem(s + 1, size_t(2 * quarter - 1), s, size_t(quarter));
    if (!again)
        return 0;
    const qsizetype period = static_cast<const uchar *>(again) - s;
    return std::memcmp(s, s + period, size_t(n - period)) == 0 ? period : 0;
}

LongSubjectTables::LongSubjectTables(const std::vector<QByteArray> &subjects, const std::vector<size_t> &which,
                                     qsizetype block, const Fingerprint &print)
    : m_block(block)
    , m_print(print)
    , m_topPower(print.power(block - 1))
{
    for (const size_t n : which)
        add(subjects[n], n);
    group();
    index();
    std::stable_sort(m_runs.begin(), m_runs.end());
}

void LongSubjectTables::add(const QByteArray &classes, size_t number)
{
    const uchar *s = reinterpret_cast<const uchar *>(classes.constData());
    const qsizetype size = classes.size();
    const quint32 id = quint32(m_subjects.size());
    m_subjects.push_back({s, size, number, m_print.of(s, size), m_print.power(size), 0, true});
    m_longest = std::max(m_longest, size);

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

void LongSubjectTables::group()
{
    // Subjects that begin alike (the hits of an index made for it) share
    // their shifts, and a place found for one is a place for all of them.
    const qsizetype two = 2 * m_block;
    std::vector<std::pair<quint64, quint32>> byStart;
    for (quint32 id = 0; id < m_subjects.size(); ++id)
        byStart.push_back({m_print.of(m_subjects[id].bytes, two), id});
    std::sort(byStart.begin(), byStart.end());
    m_shifts.reserve(byStart.size() * size_t(m_block));
    for (size_t i = 0; i < byStart.size();) {
        const quint32 group = quint32(m_groupStart.size());
        m_groupStart.push_back(quint32(m_members.size()));
        const LongSubject &first = m_subjects[byStart[i].second];
        size_t next = i;
        for (; next < byStart.size() && byStart[next].first == byStart[i].first; ++next) {
            const LongSubject &s = m_subjects[byStart[next].second];
            if (next > i && std::memcmp(s.bytes, first.bytes, size_t(two)) != 0)
                break;
            m_members.push_back(byStart[next].second);
        }
        addShifts(byStart[i].second, group);
        i = next;
    }
    m_groupStart.push_back(quint32(m_members.size()));
}

void LongSubjectTables::addShifts(quint32 id, quint32 group)
{
    // A block that repeats a short period is never looked up: the text's
    // block is then found by its run. So one subject has at most four shifts
    // of one fingerprint.
    const uchar *s = m_subjects[id].bytes;
    quint64 h = m_print.of(s, m_block);
    for (qsizetype j = 0; j < m_block; ++j) {
        if (j > 0)
            h = m_print.next(Fingerprint::Sub(h, Fingerprint::Mul(s[j - 1], m_topPower)), s[j + m_block - 1]);
        bool inRun = false;
        for (const SubjectRun &r : m_runs)
            inRun = inRun || (r.subject == id && r.from <= j && j + m_block <= r.to);
        if (!inRun)
            m_shifts.push_back({h, group, quint32(j)});
    }
}

void LongSubjectTables::index()
{
    // The shifts grouped by the low bits of their fingerprints, which the
    // random base spreads evenly.
    size_t buckets = 1;
    while (buckets < 2 * m_shifts.size())
        buckets <<= 1;
    m_bucketMask = buckets - 1;
    m_bucketStart.assign(buckets + 1, 0);
    for (const SubjectShift &shift : m_shifts)
        ++m_bucketStart[(shift.print & m_bucketMask) + 1];
    for (size_t b = 0; b < buckets; ++b)
        m_bucketStart[b + 1] += m_bucketStart[b];
    std::vector<SubjectShift> grouped(m_shifts.size());
    std::vector<quint32> fill(m_bucketStart.begin(), m_bucketStart.end() - 1);
    for (const SubjectShift &shift : m_shifts)
        grouped[fill[shift.print & m_bucketMask]++] = shift;
    m_shifts = std::move(grouped);
}

} // namespace veldra::index
