#include "links/LinkAddress.h"

namespace veldra::links
{

namespace
{

bool EndsSentence(QChar c)
{
    static const QString marks = QStringLiteral(".,;:!?");
    return marks.contains(c);
}

// The opening mark of a closing bracket or quote, or a null character.
QChar OpeningOf(QChar c)
{
    switch (c.unicode()) {
    case ')':
        return QLatin1Char('(');
    case ']':
        return QLatin1Char('[');
    case '}':
        return QLatin1Char('{');
    case '>':
        return QLatin1Char('<');
    case '"':
        return QLatin1Char('"');
    case '\'':
        return QLatin1Char('\'');
    case 0x201D: // right double quotation mark
        return QChar(0x201C);
    case 0x2019: // right single quotation mark
        return QChar(0x2018);
    case 0x00BB: // right-pointing double angle quotation mark
        return QChar(0x00AB);
    default:
        return QChar();
    }
}

// Whether the last character of `text`, a closing mark, closes nothing in it.
bool ClosesNothing(QStringView text)
{
    const QChar close = text.back();
    const QChar open = OpeningOf(close);
    if (open.isNull())
        return false;
    const qsizetype opens = text.count(open);
    if (open == close) // a straight quote opens and closes alike: pairs stay
        return opens % 2 == 1;
    return text.count(close) > opens;
}

} // namespace

QString TrimTrailingPunctuation(const QString &word, int keep)
{
    QStringView rest(word);
    while (rest.size() > qMax(keep, 0) && (EndsSentence(rest.back()) || ClosesNothing(rest)))
        rest.chop(1);
    return rest.toString();
}

} // namespace veldra::links
