#include "rtf/RtfField.h"

#include <QStringList>

namespace veldra::rtf
{

namespace
{

// Splits a field instruction into words; a word in double quotes keeps its
// spaces, and a doubled backslash inside it stands for one backslash.
QStringList InstructionWords(const QString &instruction)
{
    QStringList words;
    const qsizetype n = instruction.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && instruction.at(i).isSpace())
            ++i;
        if (i >= n)
            break;
        QString word;
        if (instruction.at(i) == QLatin1Char('"')) {
            ++i;
            while (i < n && instruction.at(i) != QLatin1Char('"')) {
                if (instruction.at(i) == QLatin1Char('\\') && i + 1 < n && instruction.at(i + 1) == QLatin1Char('\\'))
                    ++i;
                word += instruction.at(i++);
            }
            ++i;
        } else {
            while (i < n && !instruction.at(i).isSpace() && instruction.at(i) != QLatin1Char('"'))
                word += instruction.at(i++);
        }
        words << word;
    }
    return words;
}

} // namespace

QString HyperlinkTarget(const QString &instruction)
{
    const QStringList words = InstructionWords(instruction);
    if (words.isEmpty() || words.first().compare(QLatin1String("HYPERLINK"), Qt::CaseInsensitive) != 0)
        return QString();
    QString address;
    QString bookmark;
    for (qsizetype i = 1; i < words.size(); ++i) {
        const QString &w = words.at(i);
        if (w.size() == 2 && w.at(0) == QLatin1Char('\\')) {
            const QChar sw = w.at(1).toLower();
            // \l names a bookmark; \o (tooltip) and \t (target frame) take an
            // argument that is not part of the address; \h, \m and \n take none.
            if (sw == QLatin1Char('l') && i + 1 < words.size())
                bookmark = words.at(++i);
            else if ((sw == QLatin1Char('o') || sw == QLatin1Char('t')) && i + 1 < words.size())
                ++i;
            continue;
        }
        if (address.isEmpty())
            address = w;
    }
    if (!bookmark.isEmpty())
        return address + QLatin1Char('#') + bookmark;
    return address;
}

} // namespace veldra::rtf
