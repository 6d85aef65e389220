#pragma once

#include "store/SearchHit.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace veldra::store
{

// Characters [start, end) of a text that form one word.
struct WordSpan {
    qsizetype start = 0;
    qsizetype end = 0;
};

// The words of `text` the way the index splits them: runs of letters, digits,
// marks and private-use characters; everything else separates. Runs that hold
// no letter or digit are left out. More word characters than the index's own
// only ever make a quoted word a phrase of the index's words, which still
// matches; fewer would split a word the index keeps whole.
QList<WordSpan> SplitWords(QStringView text);

// A word as the index compares it: lower case, without accents ("Café" and
// "CAFE" both give "cafe").
QString FoldWord(QStringView word);

// Which of `foldedTerms` (FoldWord) `word` matches: the index of the first
// that equals it once folded, or the last one when the word starts with it
// (the last word of a query is also a prefix); -1 for none.
int MatchTerm(QStringView word, const QStringList &foldedTerms);

// Where the words of `text` match one of `foldedTerms`.
QList<TextRange> MarkTerms(QStringView text, const QStringList &foldedTerms);

} // namespace veldra::store
