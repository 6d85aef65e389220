#include "index/SubjectAutomaton.h"

#include <QByteArrayView>

#include <algorithm>
#include <numeric>

namespace veldra::index
{

SubjectAutomaton::SubjectAutomaton(const uchar *foldClasses, size_t maxTable, qsizetype maxBytes)
    : m_fold(foldClasses)
    , m_maxTable(maxTable)
    , m_maxBytes(maxBytes)
{
}

int SubjectAutomaton::add(QByteArrayView classes)
{
    for (size_t i = 0; i < m_patterns.size(); ++i)
        if (m_patterns[i].size() == classes.size() && QByteArrayView(m_patterns[i]) == classes)
            return int(i);
    if (m_bytes + classes.size() > m_maxBytes)
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

// Each failure link taken leads to a shallower state and each byte deepens by
// at most one, so a run of bytes takes at most twice as many hops as bytes.
inline int SubjectAutomaton::tableStep(int state, int symbol) const
{
    for (;;) {
        const Hop &hop = m_hops[size_t(state)];
        if (hop.kind == kRow)
            return m_rows[size_t(hop.next) + size_t(symbol)];
        if (hop.kind == kChild && hop.symbol == symbol)
            return hop.next;
        state = hop.fail;
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

    // Failure links breadth first.
    const size_t count = m_nodes.size();
    m_order.clear();
    m_order.reserve(count);
    m_order.push_back(0);
    for (size_t at = 0; at < m_order.size(); ++at) {
        const int u = m_order[at];
        for (int c = m_nodes[size_t(u)].firstChild; c >= 0; c = m_nodes[size_t(c)].nextSibling) {
            m_nodes[size_t(c)].fail = u == 0 ? 0 : step(m_nodes[size_t(u)].fail, m_nodes[size_t(c)].symbol);
            m_order.push_back(c);
        }
    }
    for (int &r : m_rootNext)
        r = std::max(r, 0);

    // The steps, breadth first so that a failure link's row is done before
    // the rows that copy from it.
    m_hops.assign(count, Hop());
    size_t rows = 0;
    for (size_t u = 0; u < count; ++u) {
        const Node &node = m_nodes[u];
        Hop &hop = m_hops[u];
        hop.fail = node.fail;
        if (u == 0 || (node.firstChild >= 0 && m_nodes[size_t(node.firstChild)].nextSibling >= 0)) {
            hop.kind = kRow;
            hop.next = int(rows++ * size_t(m_symbols));
        } else if (node.firstChild >= 0) {
            hop.kind = kChild;
            hop.next = node.firstChild;
            hop.symbol = uchar(m_nodes[size_t(node.firstChild)].symbol);
        } else {
            hop.kind = kLeaf;
        }
    }
    m_rows.clear();
    if (rows * size_t(m_symbols) > m_maxTable) {
        m_hops.clear();
    } else {
        m_rows.resize(rows * size_t(m_symbols));
        for (const int u : m_order) {
            const Hop &hop = m_hops[size_t(u)];
            if (hop.kind != kRow)
                continue;
            int *row = &m_rows[size_t(hop.next)];
            for (int s = 0; s < m_symbols; ++s) {
                const int c = child(u, s);
                row[s] = c > 0 ? c : (u == 0 ? 0 : tableStep(hop.fail, s));
            }
        }
    }
    m_marks = newMarks();
}

int SubjectAutomaton::feed(const char *data, qsizetype from, qsizetype to, const text::FieldSpan &f, int state,
                           Marks &marks) const
{
    const uchar *bytes = reinterpret_cast<const uchar *>(data);
    const uchar *symbol = m_symbol.data();
    quint64 *seen = marks.seen.data();
    const quint64 field = Packed(f);
    if (!m_hops.empty()) {
        for (qsizetype i = from; i < to; ++i) {
            state = tableStep(state, symbol[bytes[i]]);
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

void SubjectAutomaton::settle(Marks &marks) const
{
    // A state stands for its own text and every shorter one its failure links
    // lead to, so the last field that reached a state reached those too.
    for (size_t i = m_order.size(); i-- > 1;) {
        const Node &node = m_nodes[size_t(m_order[i])];
        quint64 &shorter = marks.seen[size_t(node.fail)];
        shorter = std::max(shorter, marks.seen[size_t(m_order[i])]);
    }
    marks.settled = true;
}

text::FieldSpan SubjectAutomaton::lastField(int number, Marks &marks) const
{
    if (!marks.settled)
        settle(marks);
    const quint64 seen = marks.seen[size_t(m_end[size_t(number)])];
    if (seen == 0)
        return {-1, -1, -1};
    const qsizetype begin = qsizetype(seen >> 32) - 1;
    const qsizetype end = begin + qsizetype(seen & 0xFFFFFFFFu);
    return {begin, end, end};
}

} // namespace veldra::index
