#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>

#include <vector>

namespace veldra::index
{

// Subjects that all hold the search text (the anchor), looked for where the
// anchor occurs. A subject that occurs holds an occurrence of the anchor where
// the anchor first occurs in it, so at each occurrence the text after it is
// walked in a trie of what follows the anchor in the subjects; only a subject
// whose rest the walk spells out has the text before it compared. Most
// occurrences end the walk within a few bytes without any subject compared,
// and need not be placed in their fields at all.
//
// The work at one occurrence is bounded by the subjects, not by the index, so
// a caller that sees it grow out of proportion to the bytes read (alike
// subjects around every occurrence) takes the automaton instead.
class AlignedSubjects
{
public:
    AlignedSubjects(const uchar *foldClasses, QByteArrayView anchorClasses);

    // Adds a subject (fold classes) and returns its number; equal subjects
    // share one, numbered in the order they came as SubjectAutomaton numbers
    // them. Returns -1 when the subject does not hold the anchor.
    int add(QByteArrayView classes);
    void build();
    size_t count() const { return m_subjects.size(); }
    qsizetype length(int number) const { return m_subjects[size_t(number)].size(); }

    // Calls found(number, start) for each subject whose bytes are
    // [start, start + length) of `data` with its first anchor at `at`, where
    // the anchor occurs. Returns the bytes looked at.
    template <typename Found> qsizetype at(const uchar *data, qsizetype size, qsizetype at, Found &&found) const;

private:
    // The trie breadth first, so that a node's children are the nodes
    // [firstChild, firstChild + children), in the order of their symbols.
    struct Node {
        int firstChild = 0;
        int children = 0;
        int from = 0; // the subjects whose rest ends here: m_sorted[from, to)
        int to = 0;
    };
    int child(int node, uchar symbol) const
    {
        const Node &n = m_nodes[size_t(node)];
        const uchar *symbols = m_symbol.data();
        for (int c = n.firstChild, last = n.firstChild + n.children; c < last; ++c)
            if (symbols[c] == symbol)
                return c;
        return -1;
    }
    qsizetype compared(const uchar *data, qsizetype at, int number) const;

    const uchar *m_fold;
    QByteArray m_anchor;
    std::vector<QByteArray> m_subjects;
    std::vector<qsizetype> m_anchorAt; // where the anchor first occurs in each
    QHash<QByteArray, int> m_numbers;
    std::vector<Node> m_nodes;   // the trie of the subjects' rests after their anchor
    std::vector<uchar> m_symbol; // the class each node is reached by
    std::vector<int> m_sorted;   // the subjects by their rests
};

// The bytes before the anchor, compared from the anchor backwards: where they
// differ, they mostly do right before it. Returns the bytes looked at, or
// -(bytes looked at) - 1 when they differ.
inline qsizetype AlignedSubjects::compared(const uchar *data, qsizetype at, int number) const
{
    const qsizetype before = m_anchorAt[size_t(number)];
    const uchar *subject = reinterpret_cast<const uchar *>(m_subjects[size_t(number)].constData());
    for (qsizetype i = 1; i <= before; ++i)
        if (m_fold[data[at - i]] != subject[before - i])
            return -i - 1;
    return before;
}

template <typename Found>
qsizetype AlignedSubjects::at(const uchar *data, qsizetype size, qsizetype at, Found &&found) const
{
    qsizetype work = 1;
    auto endingHere = [&](const Node &node) {
        for (int i = node.from; i < node.to; ++i) {
            const int number = m_sorted[size_t(i)];
            if (m_anchorAt[size_t(number)] > at)
                continue;
            const qsizetype looked = compared(data, at, number);
            work += looked < 0 ? -looked - 1 : looked;
            if (looked >= 0)
                found(number, at - m_anchorAt[size_t(number)]);
        }
    };
    int node = 0;
    endingHere(m_nodes[0]);
    for (qsizetype pos = at + m_anchor.size(); pos < size; ++pos) {
        node = child(node, m_fold[data[pos]]);
        ++work;
        if (node < 0)
            break;
        endingHere(m_nodes[size_t(node)]);
    }
    return work;
}

} // namespace veldra::index
