#include "document/DisplayBlocks.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>

namespace veldra::document
{

bool ContinuesLine(const QTextBlock &block)
{
    return block.blockFormat().boolProperty(kContinuesLine);
}

namespace
{

// Where the piece [start, end) is cut: after the last space in its second half
// of kLongestDisplayBlock, else at the limit but not inside a surrogate pair.
int CutOf(const QTextDocument &doc, int start)
{
    const int limit = start + kLongestDisplayBlock;
    for (int at = limit - 1; at >= start + kShortestSplitBlock; --at)
        if (doc.characterAt(at) == u' ')
            return at + 1;
    return doc.characterAt(limit - 1).isHighSurrogate() ? limit - 1 : limit;
}

} // namespace

std::vector<int> SplitLongParagraphs(QTextDocument &doc)
{
    std::vector<int> splits;
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        if (block.length() - 1 <= kLongestDisplayBlock || block.textList())
            continue;
        // The paragraph's margins stay at its outer ends, its first-line indent
        // at its first line.
        const QTextBlockFormat whole = block.blockFormat();
        QTextBlockFormat first = whole;
        first.setBottomMargin(0);
        QTextBlockFormat last = whole;
        last.setTopMargin(0);
        last.setTextIndent(0);
        last.setProperty(kContinuesLine, true);
        QTextBlockFormat middle = last;
        middle.setBottomMargin(0);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(first);
        int start = block.position();
        const int end = start + block.length() - 1;
        for (int shift = 0; end + shift - start > kLongestDisplayBlock; ++shift) {
            const int cut = CutOf(doc, start);
            cursor.setPosition(cut);
            cursor.insertBlock(middle);
            splits.push_back(cut - int(splits.size()));
            start = cut + 1;
        }
        cursor.setBlockFormat(last);
        block = cursor.block();
    }
    cursor.endEditBlock();
    return splits;
}

int PositionAfterSplits(const std::vector<int> &splits, int position)
{
    return position + int(std::upper_bound(splits.begin(), splits.end(), position) - splits.begin());
}

std::vector<int> JoinSeparators(const QTextDocument &doc)
{
    std::vector<int> joins;
    const QList<QTextFormat> formats = doc.allFormats();
    if (std::none_of(formats.begin(), formats.end(),
                     [](const QTextFormat &f) { return f.isBlockFormat() && f.hasProperty(kContinuesLine); }))
        return joins;
    for (QTextBlock b = doc.begin().next(); b.isValid(); b = b.next())
        if (ContinuesLine(b))
            joins.push_back(b.position() - 1);
    return joins;
}

void JoinDisplayBlocks(QTextDocument &doc)
{
    const std::vector<int> joins = JoinSeparators(doc);
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    // From the end, so that the positions before stay, and the bottom margin
    // of a paragraph's last block comes to its first.
    for (auto it = joins.rbegin(); it != joins.rend(); ++it) {
        cursor.setPosition(*it + 1);
        const qreal bottom = cursor.blockFormat().bottomMargin();
        cursor.setPosition(*it);
        cursor.deleteChar();
        QTextBlockFormat merged = cursor.blockFormat();
        merged.setBottomMargin(bottom);
        cursor.setBlockFormat(merged);
    }
    cursor.endEditBlock();
}

namespace
{

// Up to `count` characters of the line next to the separator `join`, before it
// or after it, the separators of `joins` skipped, each with its position.
void Gather(const QTextDocument &doc, const std::vector<int> &joins, int join, int count, bool after, QString &chars,
            std::vector<int> &positions)
{
    const int end = doc.characterCount() - 1;
    for (int at = after ? join + 1 : join - 1; count > 0 && at >= 0 && at < end; at += after ? 1 : -1) {
        const QChar c = doc.characterAt(at);
        if (c == QChar::ParagraphSeparator) {
            if (!std::binary_search(joins.begin(), joins.end(), at))
                break;
            continue;
        }
        chars += c == QChar::Nbsp ? QChar(u' ') : c;
        positions.push_back(at);
        --count;
    }
    if (!after) {
        std::reverse(chars.begin(), chars.end());
        std::reverse(positions.begin(), positions.end());
    }
}

} // namespace

QTextCursor FindText(const QTextDocument &doc, const std::vector<int> &joins, const QString &what, int position)
{
    QTextCursor inBlock = doc.find(what, position);
    if (joins.empty() || what.isEmpty())
        return inBlock;
    const int length = int(what.size());
    const int limit = inBlock.isNull() ? doc.characterCount() : inBlock.selectionStart();
    // A match across a separator starts at most `length` characters, and as
    // many separators, before it.
    for (auto it = std::upper_bound(joins.begin(), joins.end(), position);
         it != joins.end() && *it - 2 * length < limit; ++it) {
        QString window;
        std::vector<int> positions;
        Gather(doc, joins, *it, length - 1, false, window, positions);
        const int before = int(window.size());
        Gather(doc, joins, *it, length - 1, true, window, positions);
        for (qsizetype at = window.indexOf(what, 0, Qt::CaseInsensitive); at >= 0 && at < before;
             at = window.indexOf(what, at + 1, Qt::CaseInsensitive)) {
            const int from = positions[size_t(at)];
            if (from < position || at + length <= before)
                continue;
            if (from >= limit)
                return inBlock;
            QTextCursor found(const_cast<QTextDocument *>(&doc));
            found.setPosition(from);
            found.setPosition(positions[size_t(at + length - 1)] + 1, QTextCursor::KeepAnchor);
            return found;
        }
    }
    return inBlock;
}

} // namespace veldra::document
