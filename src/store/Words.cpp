#include "store/Words.h"

#include <QChar>

namespace veldra::store
{

namespace
{

bool IsLetterOrDigit(char32_t c)
{
    if (c < 0x80)
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
    return QChar::isLetterOrNumber(c);
}

bool IsWordChar(char32_t c)
{
    if (IsLetterOrDigit(c))
        return true;
    if (c < 0x80)
        return false;
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

bool IsAscii(QStringView word)
{
    for (const QChar c : word) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

} // namespace

QList<WordSpan> SplitWords(QStringView text)
{
    QList<WordSpan> words;
    words.reserve(text.size() / 6 + 1); // about one word in six characters
    qsizetype start = -1;
    bool hasLetterOrDigit = false;
    for (qsizetype i = 0; i <= text.size();) {
        char32_t c = 0; // the end of the text separates too
        qsizetype width = 1;
        if (i < text.size()) {
            c = text[i].unicode();
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                c = QChar::surrogateToUcs4(text[i], text[i + 1]);
                width = 2;
            }
        }
        if (i < text.size() && IsWordChar(c)) {
            if (start < 0)
                start = i;
            hasLetterOrDigit = hasLetterOrDigit || IsLetterOrDigit(c);
        } else if (start >= 0) {
            if (hasLetterOrDigit)
                words.append(WordSpan{start, i});
            start = -1;
            hasLetterOrDigit = false;
        }
        i += width;
    }
    return words;
}

QString FoldWord(QStringView word)
{
    if (IsAscii(word))
        return word.toString().toLower();
    const QString decomposed = word.toString().normalized(QString::NormalizationForm_D);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            folded.append(c);
    }
    return folded.toLower();
}

int MatchTerm(QStringView word, const QStringList &foldedTerms)
{
    if (foldedTerms.isEmpty())
        return -1;
    // Folding an ASCII word only lowers its case: most words of a body are
    // compared without making a folded copy.
    if (IsAscii(word)) {
        for (int i = 0; i < foldedTerms.size(); ++i) {
            if (word.compare(foldedTerms[i], Qt::CaseInsensitive) == 0)
                return i;
        }
        return word.startsWith(foldedTerms.last(), Qt::CaseInsensitive) ? int(foldedTerms.size()) - 1 : -1;
    }
    const QString folded = FoldWord(word);
    const int index = int(foldedTerms.indexOf(folded));
    if (index >= 0)
        return index;
    return folded.startsWith(foldedTerms.last()) ? int(foldedTerms.size()) - 1 : -1;
}

QList<TextRange> MarkTerms(QStringView text, const QStringList &foldedTerms)
{
    QList<TextRange> marks;
    for (const WordSpan &word : SplitWords(text)) {
        if (MatchTerm(text.mid(word.start, word.end - word.start), foldedTerms) >= 0)
            marks.append(TextRange{int(word.start), int(word.end - word.start)});
    }
    return marks;
}

} // namespace veldra::store
