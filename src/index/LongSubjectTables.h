#pragma once

#include "index/Fingerprint.h"

#include <QByteArray>

#include <algorithm>
#include <vector>

namespace veldra::index
{

// The smallest period of s[0, n), n > 0 (`border` is room for the work).
qsizetype SmallestPeriod(const uchar *s, qsizetype n, std::vector<int> &border);
// The smallest period of s[0, n), n a multiple of 4, where it is at most a
// quarter of n; 0 for none.
qsizetype ShortPeriod(const uchar *s, qsizetype n);

// A subject of at least two blocks, and whether it is still looked for.
struct LongSubject {
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
struct SubjectShift {
    quint64 print;
    quint32 group; // of subjects whose first two blocks are the same
    quint32 shift;
    bool operator<(const SubjectShift &o) const { return print < o.print; }
};

// Bytes [from, to) of a subject repeat a period of at most a quarter block,
// and no byte next to them does.
struct SubjectRun {
    qsizetype period;
    quint32 subject;
    qsizetype from;
    qsizetype to;
    bool operator<(const SubjectRun &o) const { return period < o.period; }
};

// What the long subjects' search looks up: the subjects (fold classes, each
// at least two blocks), the fingerprints of their first `block` shifts but
// those that repeat a short period, grouped by the low bits of the print,
// the subjects that begin alike (which share their shifts) and the runs of a
// short period near each subject's start, by period.
class LongSubjectTables
{
public:
    LongSubjectTables(const std::vector<QByteArray> &subjects, const std::vector<size_t> &which, qsizetype block,
                      const Fingerprint &print);

    std::vector<LongSubject> &subjects() { return m_subjects; }
    qsizetype longest() const { return m_longest; }

    // Calls f(shift) for each shift whose print is `print`.
    template <typename F> void forShifts(quint64 print, F &&f) const
    {
        const size_t bucket = print & m_bucketMask;
        for (quint32 e = m_bucketStart[bucket]; e < m_bucketStart[bucket + 1]; ++e)
            if (m_shifts[e].print == print)
                f(m_shifts[e]);
    }
    // Calls f(subject) for each subject of a group.
    template <typename F> void forMembers(quint32 group, F &&f) const
    {
        for (quint32 m = m_groupStart[group]; m < m_groupStart[group + 1]; ++m)
            f(m_members[m]);
    }
    // The runs of `period`.
    std::pair<std::vector<SubjectRun>::const_iterator, std::vector<SubjectRun>::const_iterator>
    runs(qsizetype period) const
    {
        return std::equal_range(m_runs.begin(), m_runs.end(), SubjectRun{period, 0, 0, 0});
    }

private:
    void add(const QByteArray &classes, size_t number);
    void group();
    void addShifts(quint32 id, quint32 group);
    void index();

    qsizetype m_block;
    const Fingerprint &m_print;
    quint64 m_topPower; // the base to block - 1
    qsizetype m_longest = 0;
    std::vector<LongSubject> m_subjects;
    std::vector<SubjectShift> m_shifts; // by bucket
    std::vector<quint32> m_bucketStart;
    size_t m_bucketMask = 0;
    std::vector<quint32> m_groupStart;
    std::vector<quint32> m_members;
    std::vector<SubjectRun> m_runs; // by period
    std::vector<int> m_border;
};

} // namespace veldra::index
