#include "text/PortText.h"

#include <QLocale>
#include <cmath>

namespace veldra::text
{

namespace
{

int DigitValue(QChar c, int base)
{
    int d = -1;
    if (c >= u'0' && c <= u'9')
        d = c.unicode() - u'0';
    else if (c >= u'a' && c <= u'f')
        d = c.unicode() - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        d = c.unicode() - u'A' + 10;
    return d < base ? d : -1;
}

bool IsDigit(const QString &s, qsizetype i)
{
    return i < s.size() && s.at(i) >= u'0' && s.at(i) <= u'9';
}

double PrefixedValue(const QString &s, int base)
{
    double value = 0;
    for (qsizetype i = 2; i < s.size(); ++i) {
        const int d = DigitValue(s.at(i), base);
        if (d < 0)
            break;
        value = value * base + d;
    }
    return value;
}

double DecimalValue(const QString &s)
{
    // The number is copied in a form QString::toDouble reads whatever the locale.
    QString num;
    qsizetype i = 0;
    if (i < s.size() && (s.at(i) == u'+' || s.at(i) == u'-'))
        num += s.at(i++);
    bool anyDigit = false;
    while (IsDigit(s, i)) {
        num += s.at(i++);
        anyDigit = true;
    }
    if (i < s.size() && s.at(i) == u'.' && IsDigit(s, i + 1)) {
        num += s.at(i++);
        while (IsDigit(s, i))
            num += s.at(i++);
        anyDigit = true;
    }
    if (!anyDigit)
        return 0;
    if (i < s.size() && QStringLiteral("EeDd").contains(s.at(i))) {
        qsizetype j = i + 1;
        QString exp = QStringLiteral("e");
        if (j < s.size() && (s.at(j) == u'+' || s.at(j) == u'-'))
            exp += s.at(j++);
        if (IsDigit(s, j)) {
            while (IsDigit(s, j))
                exp += s.at(j++);
            num += exp;
        }
    }
    return num.toDouble();
}

} // namespace

QString PortText(const QString &text)
{
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (c != u' ' && c != u'\t' && c != u'\n')
            s += c;

    double value = 0;
    if (s.size() >= 2 && s.at(0) == u'&' && (s.at(1) == u'H' || s.at(1) == u'h'))
        value = PrefixedValue(s, 16);
    else if (s.size() >= 2 && s.at(0) == u'&' && (s.at(1) == u'O' || s.at(1) == u'o'))
        value = PrefixedValue(s, 8);
    else
        value = DecimalValue(s);

    // A number too large for a double is no port either.
    if (!std::isfinite(value) || value == 0)
        return QStringLiteral("0");
    // Fifteen significant digits, as the number is shown everywhere else, so
    // "0.1" stays "0.1" rather than its binary neighbour.
    value = QString::number(value, 'g', 15).toDouble();
    return QLocale::c().toString(value, 'f', QLocale::FloatingPointShortest);
}

} // namespace veldra::text
