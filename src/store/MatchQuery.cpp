#include "store/MatchQuery.h"

#include "store/Limits.h"

#include <QChar>

namespace veldra::store
{

namespace
{

bool IsLetterOrDigit(char32_t c)
{
    return QChar::isLetterOrNumber(c);
}

// More than the index's own word characters (letters, digits, private use, and
// the marks it strips) only ever makes a quoted word a phrase of the index's
// words, which still matches; fewer would split a word the index keeps whole.
bool IsWordChar(char32_t c)
{
    if (IsLetterOrDigit(c))
        return true;
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Other_PrivateUse:
        return true;
    default:
        return false;
    }
}

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
    const QList<uint> chars = text.left(Limits::kMaxQueryChars).toUcs4();
    QList<uint> word;
    bool hasLetterOrDigit = false;
    auto endWord = [&] {
        if (hasLetterOrDigit && query.terms.size() < Limits::kMaxQueryTerms)
            query.terms.append(QString::fromUcs4(reinterpret_cast<const char32_t *>(word.constData()), word.size()));
        word.clear();
        hasLetterOrDigit = false;
    };
    for (const uint c : chars) {
        if (IsWordChar(c)) {
            word.append(c);
            hasLetterOrDigit = hasLetterOrDigit || IsLetterOrDigit(c);
        } else {
            endWord();
        }
    }
    endWord();

    QStringList quoted;
    for (const QString &term : query.terms)
        quoted.append(Quoted(term));
    if (!quoted.isEmpty())
        quoted.last() += QLatin1Char('*');
    query.expression = quoted.join(QLatin1Char(' '));
    return query;
}

QString FoldWord(QStringView word)
{
    const QString decomposed = word.toString().normalized(QString::NormalizationForm_D);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            folded.append(c);
    }
    return folded.toLower();
}

} // namespace veldra::store
