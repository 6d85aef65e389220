#include "index/SubjectAutomaton.h"

#include <QByteArrayView>

#include <algorithm>
#include <numeric>

namespace veldra::index
{

SubjectAutomaton::SubjectAutomaton(const uchar *foldClasses, size_t maxTable)
    : m_fold(foldClasses)
    , m_maxTable(maxTable)
{
}

int SubjectAutomaton::add(QByteArrayView classes)
{
    for (size_t i = 0; i < m_patterns.size(); ++i)
        if (m_patterns[i].size() == classes.size() && QByteArrayView(m_patterns[i]) == classes)
            return int(i);
    if (m_bytes + classes.size() > kMaxBytes)
        return -1;
    m_bytes += classes.size();
    m_patterns.push_back(classes.toByteArray());
    return int(m_patterns.size() - 1);
}

int SubjectAutomaton::child(int node, int symbol) const
{
    if (node == 0)
        return m_rootNext[size_t(symbol)];
    for (int c = m_nodes[size_t(node)].firstChild; c >= 0; c = m_nodes[size_t(c)].nextSibling)
        if (m_nodes[size_t(c)].symbol == symbol)
            return c;
    return -1;
}

int SubjectAutomaton::step(int state, int symbol) const
{
    for (;;) {
        const int c = child(state, symbol);
        if (c > 0)
            return c;
        if (state == 0)
            return 0;
        state = m_nodes[size_t(state)].fail;
    }
}

void SubjectAutomaton::build()
{
    // The symbols: the classes that occur in the subjects, numbered from 1 in
    // the classes' order; every other byte is symbol 0, which no subject holds.
    std::vector<int> ofClass(256, 0);
    for (const QByteArray &p : m_patterns)
        for (const char c : p)
            ofClass[uchar(c)] = 1;
    m_symbols = 1;
    for (int &s : ofClass)
        if (s)
            s = m_symbols++;
    m_symbol.resize(256);
    for (int b = 0; b < 256; ++b)
        m_symbol[size_t(b)] = uchar(ofClass[m_fold[b]]);

    // The trie from the subjects in sorted order: each one shares the path of
    // the one before it as far as they agree.
    std::vector<int> sorted(m_patterns.size());
    std::iota(sorted.begin(), sorted.end(), 0);
    std::sort(sorted.begin(), sorted.end(),
              [this](int a, int b) { return m_patterns[size_t(a)] < m_patterns[size_t(b)]; });
    m_nodes.assign(1, Node());
    m_rootNext.assign(size_t(m_symbols), -1);
    m_end.assign(m_patterns.size(), 0);
    std::vector<int> path(1, 0);
    const QByteArray *previous = nullptr;
    for (const int number : sorted) {
        const QByteArray &p = m_patterns[size_t(number)];
        qsizetype shared = 0;
        if (previous)
            while (shared < p.size() && shared < previous->size() && p[shared] == previous->at(shared))
                ++shared;
        path.resize(size_t(shared) + 1);
        for (qsizetype i = shared; i < p.size(); ++i) {
            const int parent = path.back();
            Node node;
            node.symbol = ofClass[uchar(p[i])];
            node.nextSibling = m_nodes[size_t(parent)].firstChild;
            const int id = int(m_nodes.size());
            m_nodes[size_t(parent)].firstChild = id;
            if (parent == 0)
                m_rootNext[size_t(node.symbol)] = id;
            m_nodes.push_back(node);
            path.push_back(id);
        }
        m_end[size_t(number)] = path.back();
        previous = &p;
    }

    // Failure links breadth first, and with them the table of steps.
    const size_t count = m_nodes.size();
    const bool table = count * size_t(m_symbols) <= m_maxTable;
    if (table)
        m_next.assign(count * size_t(m_symbols), 0);
    m_order.clear();
    m_order.reserve(count);
    m_order.push_back(0);
    for (size_t at = 0; at < m_order.size(); ++at) {
        const int u = m_order[at];
        for (int c = m_nodes[size_t(u)].firstChild; c >= 0; c = m_nodes[size_t(c)].nextSibling) {
            m_nodes[size_t(c)].fail = u == 0 ? 0 : step(m_nodes[size_t(u)].fail, m_nodes[size_t(c)].symbol);
            m_order.push_back(c);
        }
        if (table) {
            int *row = &m_next[size_t(u) * size_t(m_symbols)];
            const int *failRow = &m_next[size_t(m_nodes[size_t(u)].fail) * size_t(m_symbols)];
            for (int s = 0; s < m_symbols; ++s) {
                const int c = child(u, s);
                row[s] = c > 0 ? c : (u == 0 ? 0 : failRow[s]);
            }
        }
    }
    for (int &r : m_rootNext)
        r = std::max(r, 0);
    // Half the table's size keeps more of it in the cache.
    m_small.clear();
    if (table && count <= 0x10000) {
        m_small.assign(m_next.begin(), m_next.end());
        m_next.clear();
        m_next.shrink_to_fit();
    }
    m_seen.assign(count, text::FieldSpan{-1, -1, -1});
    m_settled = false;
}

int SubjectAutomaton::feed(const char *data, qsizetype from, qsizetype to, const text::FieldSpan &f, int state)
{
    const uchar *bytes = reinterpret_cast<const uchar *>(data);
    const uchar *symbol = m_symbol.data();
    text::FieldSpan *seen = m_seen.data();
    // A copy, which the stores into `seen` cannot change, stays in registers.
    const text::FieldSpan field = f;
    const size_t symbols = size_t(m_symbols);
    if (!m_small.empty()) {
        const quint16 *next = m_small.data();
        for (qsizetype i = from; i < to; ++i) {
            state = next[size_t(state) * symbols + symbol[bytes[i]]];
            seen[state] = field;
        }
        return state;
    }
    if (!m_next.empty()) {
        const int *next = m_next.data();
        for (qsizetype i = from; i < to; ++i) {
            state = next[size_t(state) * symbols + symbol[bytes[i]]];
            seen[state] = field;
        }
        return state;
    }
    for (qsizetype i = from; i < to; ++i) {
        state = step(state, symbol[bytes[i]]);
        seen[state] = field;
    }
    return state;
}

void SubjectAutomaton::settle()
{
    // A state stands for its own text and every shorter one its failure links
    // lead to, so the last field that reached a state reached those too.
    for (size_t i = m_order.size(); i-- > 1;) {
        const Node &node = m_nodes[size_t(m_order[i])];
        const text::FieldSpan &mine = m_seen[size_t(m_order[i])];
        text::FieldSpan &shorter = m_seen[size_t(node.fail)];
        if (mine.begin > shorter.begin)
            shorter = mine;
    }
    m_settled = true;
}

text::FieldSpan SubjectAutomaton::lastField(int number)
{
    if (!m_settled)
        settle();
    return m_seen[size_t(m_end[size_t(number)])];
}

} // namespace veldra::index
