#include "store/MarkedText.h"

#include <algorithm>

namespace veldra::store
{

MarkedText ReadMarkedText(const QString &marked)
{
    MarkedText result;
    result.text.reserve(marked.size());
    int open = -1;
    bool lastWasSpace = true; // no space at the start
    for (const QChar c : marked) {
        if (c == QChar(kMarkOpen)) {
            open = int(result.text.size());
        } else if (c == QChar(kMarkClose)) {
            if (open >= 0 && result.text.size() > open)
                result.marks.append(TextRange{open, int(result.text.size()) - open});
            open = -1;
        } else if (c.isSpace()) {
            if (!lastWasSpace)
                result.text.append(QLatin1Char(' '));
            lastWasSpace = true;
        } else {
            result.text.append(c);
            lastWasSpace = false;
        }
    }
    if (result.text.endsWith(QLatin1Char(' ')))
        result.text.chop(1);
    return result;
}

namespace
{

bool IsControl(QChar c)
{
    const char16_t u = c.unicode();
    return (u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r') || u == 0x7f;
}

} // namespace

QString CleanText(const QString &text, int maxChars)
{
    qsizetype size = qMin<qsizetype>(text.size(), maxChars);
    if (size < text.size() && size > 0 && text.at(size - 1).isHighSurrogate())
        --size;
    QString clean = text.left(size);
    // Most texts have nothing to clean and are kept without a copy.
    const QChar *begin = clean.constData();
    const QChar *bad = std::find_if(begin, begin + clean.size(), IsControl);
    if (bad == begin + clean.size())
        return clean;
    const qsizetype first = bad - begin;
    QChar *data = clean.data();
    for (qsizetype i = first; i < clean.size(); ++i) {
        if (IsControl(data[i]))
            data[i] = QLatin1Char(' ');
    }
    return clean;
}

} // namespace veldra::store
