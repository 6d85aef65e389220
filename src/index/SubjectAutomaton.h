#pragma once

#include "text/FieldScanner.h"

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

namespace veldra::index
{

// Finds, for many subjects at once, the last of a run of fields that contains
// each, without case (subjects are fold classes, see AnsiFold). The fields are
// fed in file order; each byte of a field moves one automaton of all the
// subjects by one step, and each step only notes the field in the state it
// reaches. Which subjects a state stands for is worked out once at the end, so
// the work is the bytes fed, however many subjects occur where, and however
// alike the text around them is.
class SubjectAutomaton
{
public:
    // The subjects together may hold this many bytes; more would make the
    // tables larger than the index is worth.
    static constexpr qsizetype kMaxBytes = qsizetype(4) * 1024 * 1024;

    // Up to this many entries the rows of steps are kept in a table, which is
    // quick to walk; past it the steps go through the trie.
    static constexpr size_t kMaxTable = size_t(1) << 22;

    // Fields lie below this position of the index.
    static constexpr qsizetype kMaxIndex = qsizetype(0xFFFFFFFE);

    explicit SubjectAutomaton(const uchar *foldClasses, size_t maxTable = kMaxTable, qsizetype maxBytes = kMaxBytes);

    // Adds a non-empty subject and returns its number; equal subjects share
    // one. Returns -1 once the subjects would hold more than maxBytes.
    int add(QByteArrayView classes);
    // Prepares the tables; call once after the last add().
    void build();

    // What one run of fields has reached: several runs (parts of an index)
    // may go through the same automaton, each with marks of its own.
    struct Marks {
        // The last field that reached each state, as Packed(): eight bytes a
        // step stores keep more of the tables in the cache than a span would.
        std::vector<quint64> seen;
        bool settled = false;
    };
    Marks newMarks() const { return Marks{std::vector<quint64>(m_nodes.size(), 0), false}; }

    // Feeds the field [f.begin, f.end) of `data`; fields come in file order.
    void feed(const char *data, const text::FieldSpan &f) { feed(data, f.begin, f.end, f, 0, m_marks); }
    // Feeds the bytes [from, to) of field `f`, from `state` (0 at the start of
    // a run of bytes), and returns the state after them. Subjects that lie
    // wholly in a run are found.
    int feed(const char *data, qsizetype from, qsizetype to, const text::FieldSpan &f, int state, Marks &marks) const;

    // The last field fed that contains subject `number`; begin is -1 when none
    // did. Call after the last feed().
    text::FieldSpan lastField(int number) { return lastField(number, m_marks); }
    text::FieldSpan lastField(int number, Marks &marks) const;

private:
    struct Node {
        int fail = 0;
        int firstChild = -1;
        int nextSibling = -1;
        int symbol = 0;
    };
    // Steps: a state with two or more children has a row of its step for
    // every symbol; any other state knows its one child, and for any other
    // symbol steps as its failure link does. Rows only where the trie
    // branches keep the tables small enough for the cache.
    struct Hop {
        int next = 0; // the row's offset in m_rows, or the one child
        int fail = 0;
        uchar kind = 0; // kRow, kChild or kLeaf
        uchar symbol = 0;
    };
    static constexpr uchar kRow = 0;
    static constexpr uchar kChild = 1;
    static constexpr uchar kLeaf = 2;

    static quint64 Packed(const text::FieldSpan &f) { return (quint64(f.begin + 1) << 32) | quint64(f.end - f.begin); }
    int child(int node, int symbol) const;
    int step(int state, int symbol) const;
    int tableStep(int state, int symbol) const;
    void settle(Marks &marks) const;

    const uchar *m_fold;
    size_t m_maxTable;
    qsizetype m_maxBytes;
    std::vector<QByteArray> m_patterns;
    qsizetype m_bytes = 0;
    std::vector<int> m_end;      // the node each subject ends at
    std::vector<Node> m_nodes;   // the trie, children in symbol order
    std::vector<int> m_order;    // the nodes by depth
    std::vector<uchar> m_symbol; // of each raw byte; 0 for a byte no subject holds
    int m_symbols = 1;
    std::vector<Hop> m_hops; // empty when the rows would be too large
    std::vector<int> m_rows;
    std::vector<int> m_rootNext; // the root's step for every symbol
    Marks m_marks;               // of the fields fed without marks of their own
};

} // namespace veldra::index
