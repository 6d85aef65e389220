#pragma once

#include <QString>

#include <vector>

class QTextDocument;

namespace veldra::document
{

// The plain-text view of a document that the rich-text box reports: every
// line break counts as the two characters CR LF, both a paragraph's end and
// a line break inside a paragraph (U+2028). Converts between indexes into
// that text and document positions. A line break's LF has no position of
// its own: it maps to the line end. The separators between display blocks
// (DisplayBlocks.h) count as nothing: such blocks read as one line, and the
// index at a separator maps to the start of the block after it.
class TextIndex
{
public:
    explicit TextIndex(const QTextDocument *doc = nullptr)
        : m_doc(doc)
    {
    }
    void setDocument(const QTextDocument *doc)
    {
        m_doc = doc;
        m_valid = false;
    }
    // The document's text changed.
    void invalidate() { m_valid = false; }

    QString text() const;
    int length() const;
    int toPosition(int index) const;
    int toIndex(int position) const;
    // The text of the line holding `index` (up to a paragraph end or a line
    // break), and the index of its first character.
    QString lineAt(int index, int *lineStart) const;
    // The same, but at most about `radius` characters either side of `index`:
    // what lies around a point of a line of any length, at a cost that does
    // not grow with the line. Says on which sides the line goes on.
    struct LineWindow {
        QString text;
        int start = 0; // the index of its first character
        bool clippedBefore = false;
        bool clippedAfter = false;
    };
    LineWindow lineWindowAt(int index, int radius) const;
    // The text between two document positions as the text above has it.
    QString textBetween(int from, int to) const;
    // The positions of the separators between display blocks, ascending.
    const std::vector<int> &joins() const;

private:
    int breaksBefore(int position) const;
    int joinsBefore(int position) const;
    void scan() const;

    const QTextDocument *m_doc;
    mutable std::vector<int> m_breaks; // positions of the U+2028 characters
    mutable std::vector<int> m_joins;  // positions of the separators inside lines
    mutable bool m_valid = false;
};

} // namespace veldra::document
