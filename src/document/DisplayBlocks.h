#pragma once

#include <QString>
#include <QTextCursor>
#include <QTextFormat>

#include <vector>

class QTextBlock;
class QTextDocument;

namespace veldra::document
{

// Display blocks: a paragraph longer than kLongestDisplayBlock characters is
// held as several blocks of the document, the later ones marked as continuing
// the one before. A text edit lays out and shapes a block as a whole, and lays
// out the document between blocks only: one paragraph of 50 MB held the window
// for half a minute and took gigabytes. The separators between display blocks
// are not part of the text: the line reads, counts and copies as one.

// Marks a block format: the block continues the line of the block before.
constexpr int kContinuesLine = QTextFormat::UserProperty + 3;
constexpr int kLongestDisplayBlock = 4096;
// Every display block of a split paragraph but its last is at least this long.
constexpr int kShortestSplitBlock = kLongestDisplayBlock / 2;

bool ContinuesLine(const QTextBlock &block);

// Splits every paragraph longer than kLongestDisplayBlock, after a space where
// one lies near enough to the limit (words then wrap as before) and anywhere
// else. Paragraphs in lists stay whole. Returns the positions, before the
// split, where separators went in, ascending.
std::vector<int> SplitLongParagraphs(QTextDocument &doc);

// Where `position` of the document before SplitLongParagraphs lies after it.
int PositionAfterSplits(const std::vector<int> &splits, int position);

// Joins the display blocks of `doc` into the paragraphs they hold, for a copy
// that is not shown in a box (saved or printed), whose text must not break.
void JoinDisplayBlocks(QTextDocument &doc);

// The positions of the separators between display blocks, ascending.
std::vector<int> JoinSeparators(const QTextDocument &doc);

// Finds `what` from `position` on as QTextDocument::find does (letter case
// ignored), where a match may run across the separators in `joins` (as
// JoinSeparators gives them) as if they were not there. Null when there is no
// match.
QTextCursor FindText(const QTextDocument &doc, const std::vector<int> &joins, const QString &what, int position);

} // namespace veldra::document
