#include "index/AlignedSubjects.h"

#include <algorithm>
#include <numeric>

namespace veldra::index
{

AlignedSubjects::AlignedSubjects(const uchar *foldClasses, QByteArrayView anchorClasses)
    : m_fold(foldClasses)
    , m_anchor(anchorClasses.toByteArray())
{
}

int AlignedSubjects::add(QByteArrayView classes)
{
    const QByteArray key = classes.toByteArray();
    if (const auto known = m_numbers.constFind(key); known != m_numbers.cend())
        return *known;
    const qsizetype at = key.indexOf(m_anchor);
    if (at < 0)
        return -1;
    const int number = int(m_subjects.size());
    m_subjects.push_back(key);
    m_anchorAt.push_back(at);
    m_numbers.insert(key, number);
    return number;
}

void AlignedSubjects::build()
{
    auto rest = [this](int number) {
        const QByteArray &s = m_subjects[size_t(number)];
        const qsizetype from = m_anchorAt[size_t(number)] + m_anchor.size();
        return QByteArrayView(s.constData() + from, s.size() - from);
    };
    m_sorted.resize(m_subjects.size());
    std::iota(m_sorted.begin(), m_sorted.end(), 0);
    std::stable_sort(m_sorted.begin(), m_sorted.end(), [&](int a, int b) { return rest(a) < rest(b); });

    // The trie breadth first from the sorted rests: the rests that share a
    // node's path are a run of m_sorted, and the node's children split the run
    // by the next byte, in order.
    struct Pending {
        int from;
        int to;
        qsizetype depth;
    };
    m_nodes.clear();
    m_symbol.clear();
    std::vector<Pending> runs{{0, int(m_sorted.size()), 0}};
    m_nodes.emplace_back();
    m_symbol.push_back(0);
    for (size_t node = 0; node < m_nodes.size(); ++node) {
        const Pending run = runs[node];
        int i = run.from;
        while (i < run.to && rest(m_sorted[size_t(i)]).size() == run.depth)
            ++i;
        m_nodes[node].from = run.from;
        m_nodes[node].to = i;
        m_nodes[node].firstChild = int(m_nodes.size());
        while (i < run.to) {
            const uchar symbol = uchar(rest(m_sorted[size_t(i)])[run.depth]);
            int j = i + 1;
            while (j < run.to && uchar(rest(m_sorted[size_t(j)])[run.depth]) == symbol)
                ++j;
            m_nodes.emplace_back();
            m_symbol.push_back(symbol);
            runs.push_back({i, j, run.depth + 1});
            ++m_nodes[node].children;
            i = j;
        }
    }
}

} // namespace veldra::index
