#include "store/Snippet.h"

#include "store/Words.h"

#include <vector>

namespace veldra::store
{

MarkedText MakeSnippet(QStringView body, const QStringList &foldedTerms, int words)
{
    const QList<WordSpan> spans = SplitWords(body);
    const qsizetype count = spans.size();
    std::vector<int> term(size_t(count), -1); // the term each word matches
    for (qsizetype i = 0; i < count; ++i)
        term[size_t(i)] = MatchTerm(body.mid(spans[i].start, spans[i].end - spans[i].start), foldedTerms);

    // The window starting at a matched word that holds the most distinct terms.
    qsizetype best = -1;
    int bestDistinct = 0;
    for (qsizetype i = 0; i < count; ++i) {
        if (term[size_t(i)] < 0)
            continue;
        quint32 seen = 0;
        for (qsizetype j = i; j < qMin(count, i + words); ++j) {
            if (term[size_t(j)] >= 0)
                seen |= 1u << (term[size_t(j)] % 32);
        }
        const int distinct = qPopulationCount(seen);
        if (distinct > bestDistinct) {
            best = i;
            bestDistinct = distinct;
        }
    }
    // A few words of context before the first match.
    const qsizetype first = best < 0 ? 0 : qMax<qsizetype>(0, best - words / 4);
    const qsizetype last = qMin(count, first + words); // one past
    const qsizetype from = first == 0 ? 0 : spans[first].start;
    const qsizetype to = last == count ? body.size() : spans[last - 1].end;

    QString marked;
    marked.reserve(to - from + 2 * 8 + 2);
    if (first > 0)
        marked += QChar(0x2026);
    qsizetype at = from;
    for (qsizetype i = first; i < last; ++i) {
        if (term[size_t(i)] < 0)
            continue;
        marked += body.mid(at, spans[i].start - at);
        marked += QChar(kMarkOpen);
        marked += body.mid(spans[i].start, spans[i].end - spans[i].start);
        marked += QChar(kMarkClose);
        at = spans[i].end;
    }
    marked += body.mid(at, to - at);
    if (last < count)
        marked += QChar(0x2026);
    return ReadMarkedText(marked);
}

} // namespace veldra::store
