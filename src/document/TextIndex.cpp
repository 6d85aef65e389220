#include "document/TextIndex.h"

#include "document/DisplayBlocks.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>
#include <limits>

namespace veldra::document
{

namespace
{
constexpr char16_t kLineBreak = 0x2028;
}

void TextIndex::scan() const
{
    if (m_valid)
        return;
    m_breaks.clear();
    m_joins = JoinSeparators(*m_doc);
    // Block by block: the whole text at once would be a copy of a long
    // document.
    for (QTextBlock b = m_doc->begin(); b.isValid(); b = b.next()) {
        const QString text = b.text();
        for (qsizetype i = text.indexOf(QChar(kLineBreak)); i >= 0; i = text.indexOf(QChar(kLineBreak), i + 1))
            m_breaks.push_back(b.position() + int(i));
    }
    m_valid = true;
}

const std::vector<int> &TextIndex::joins() const
{
    scan();
    return m_joins;
}

int TextIndex::breaksBefore(int position) const
{
    scan();
    return int(std::lower_bound(m_breaks.begin(), m_breaks.end(), position) - m_breaks.begin());
}

int TextIndex::joinsBefore(int position) const
{
    scan();
    return int(std::lower_bound(m_joins.begin(), m_joins.end(), position) - m_joins.begin());
}

QString TextIndex::text() const
{
    return textBetween(0, m_doc->characterCount() - 1);
}

QString TextIndex::textBetween(int from, int to) const
{
    scan();
    QString out;
    if (from >= to)
        return out;
    out.reserve(toIndex(to) - toIndex(from));
    auto join = std::lower_bound(m_joins.begin(), m_joins.end(), from);
    for (QTextBlock b = m_doc->findBlock(from); b.isValid() && b.position() <= to; b = b.next()) {
        if (b.position() > from) {
            // The separator before this block lies in the range.
            if (join != m_joins.end() && *join == b.position() - 1)
                ++join;
            else
                out += QLatin1String("\r\n");
        }
        const int start = qMax(from, b.position());
        const int end = qMin(to, b.position() + b.length() - 1);
        if (start >= end)
            continue;
        QString t = b.text();
        if (start > b.position() || end < b.position() + int(t.size()))
            t = t.mid(start - b.position(), end - start);
        if (!m_breaks.empty())
            t.replace(QChar(kLineBreak), QLatin1String("\r\n"));
        out += t;
    }
    return out;
}

int TextIndex::length() const
{
    scan();
    return m_doc->characterCount() - 1 + m_doc->blockCount() - 1 + int(m_breaks.size()) - 2 * int(m_joins.size());
}

int TextIndex::toIndex(int position) const
{
    const QTextBlock b = m_doc->findBlock(position);
    return position + (b.isValid() ? b.blockNumber() : qMax(0, m_doc->blockCount() - 1)) + breaksBefore(position) -
           2 * joinsBefore(position);
}

int TextIndex::toPosition(int index) const
{
    if (index <= 0)
        return 0;
    // The last block whose first character's index is <= index.
    const auto blockIndex = [this](const QTextBlock &b) {
        return b.position() + b.blockNumber() + breaksBefore(b.position()) - 2 * joinsBefore(b.position());
    };
    int lo = 0, hi = m_doc->blockCount() - 1;
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (blockIndex(m_doc->findBlockByNumber(mid)) <= index)
            lo = mid;
        else
            hi = mid - 1;
    }
    const QTextBlock b = m_doc->findBlockByNumber(lo);
    const int blockEnd = qMin(b.position() + b.length() - 1, m_doc->characterCount() - 1);
    int position = b.position();
    int remaining = index - blockIndex(b);
    for (auto it = std::lower_bound(m_breaks.begin(), m_breaks.end(), b.position());
         it != m_breaks.end() && *it < blockEnd; ++it) {
        const int before = *it - position;
        if (remaining <= before)
            break;
        if (remaining == before + 1)
            return *it; // the LF of the line break
        remaining -= before + 2;
        position = *it + 1;
    }
    return qMin(position + remaining, blockEnd);
}

QString TextIndex::lineAt(int index, int *lineStart) const
{
    LineWindow line = lineWindowAt(index, std::numeric_limits<int>::max());
    if (lineStart)
        *lineStart = line.start;
    return std::move(line.text);
}

TextIndex::LineWindow TextIndex::lineWindowAt(int index, int radius) const
{
    scan();
    LineWindow window;
    const int position = toPosition(index);
    QTextBlock first = m_doc->findBlock(position);
    if (!first.isValid())
        return window;
    const int lo = radius >= position ? 0 : position - radius;
    const int hi =
        radius >= std::numeric_limits<int>::max() - position ? std::numeric_limits<int>::max() : position + radius;
    auto joinedBefore = [this](const QTextBlock &b) {
        return b.previous().isValid() && std::binary_search(m_joins.begin(), m_joins.end(), b.position() - 1);
    };
    // The paragraph holding the position, over its display blocks as far as
    // the radius reaches.
    QTextBlock last = first;
    while (first.position() > lo && joinedBefore(first))
        first = first.previous();
    while (last.position() + last.length() - 1 < hi && last.next().isValid() && joinedBefore(last.next()))
        last = last.next();
    int from = first.position();
    if (from < lo || (from == lo && joinedBefore(first))) {
        from = lo;
        window.clippedBefore = true;
    }
    int to = last.position() + last.length() - 1;
    if (to > hi || (to == hi && last.next().isValid() && joinedBefore(last.next()))) {
        to = hi;
        window.clippedAfter = true;
    }
    // The part of it between the line breaks around the position.
    const auto next = std::lower_bound(m_breaks.begin(), m_breaks.end(), position);
    if (next != m_breaks.end() && *next < to) {
        to = *next;
        window.clippedAfter = false;
    }
    if (next != m_breaks.begin() && *(next - 1) >= from) {
        from = *(next - 1) + 1;
        window.clippedBefore = false;
    }
    window.start = toIndex(from);
    window.text = textBetween(from, to);
    return window;
}

} // namespace veldra::document
