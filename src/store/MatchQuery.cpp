#include "store/MatchQuery.h"

#include "store/Limits.h"
#include "store/Words.h"

namespace veldra::store
{

namespace
{

QString Quoted(const QString &word)
{
    QString text = word;
    text.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

MatchQuery ParseQuery(const QString &text)
{
    MatchQuery query;
    const QString typed = text.left(Limits::kMaxQueryChars);
    QStringList quoted;
    for (const WordSpan &word : SplitWords(typed)) {
        if (query.terms.size() == Limits::kMaxQueryTerms)
            break;
        query.terms.append(typed.mid(word.start, word.end - word.start));
        quoted.append(Quoted(query.terms.last()));
    }
    if (!quoted.isEmpty())
        quoted.last() += QLatin1Char('*');
    query.expression = quoted.join(QLatin1Char(' '));
    return query;
}

} // namespace veldra::store
