#pragma once

// Generated server indexes with the awkward corners a real one can have:
// quoted records with commas and line breaks, unquoted commas, all three line
// ends, blanks and quotes in odd places, "=" and "]" inside subjects, empty
// subjects, accented Windows-1252 letters in both cases.

#include "text/CodePage.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <random>

inline QByteArray GenerateTrickyIndex(quint32 seed, int records)
{
    std::mt19937 rng(seed);
    auto pick = [&rng](int n) { return int(rng() % unsigned(n)); };
    const QStringList words = {
        QStringLiteral("Proxy"),      QStringLiteral("PROXY"),   QStringLiteral("proxy"), QStringLiteral("set-up"),
        QStringLiteral("Set-Up"),     QStringLiteral("École"),   QStringLiteral("ÉCOLE"), QStringLiteral("école"),
        QStringLiteral("œuvre"),      QStringLiteral("ŒUVRE"),   QStringLiteral("Šárka"), QStringLiteral("šÁRKA"),
        QStringLiteral("Ÿvonne"),     QStringLiteral("ÿVONNE"),  QStringLiteral("Æsir"),  QStringLiteral("µ-law"),
        QStringLiteral("Straße"),     QStringLiteral("STRASSE"), QStringLiteral("a"),     QStringLiteral("x]y"),
        QStringLiteral("a=b"),        QStringLiteral("Kk"),      QStringLiteral("Ñandú"), QStringLiteral("ÞÐþð"),
        QStringLiteral("Žž"),         QStringLiteral("€5"),      QStringLiteral("™"),     QStringLiteral("faq"),
        QStringLiteral("say \"hi\""), QStringLiteral("it's"),    QStringLiteral("1"),     QStringLiteral("Intro"),
    };
    const QStringList seps = {QStringLiteral(" "),  QStringLiteral(" "),  QStringLiteral(", "),
                              QStringLiteral("\t"), QStringLiteral("  "), QStringLiteral(",")};
    const QStringList ends = {QStringLiteral("\r\n"), QStringLiteral("\r\n"), QStringLiteral("\r\n"),
                              QStringLiteral("\r"), QStringLiteral("\n")};
    const QString nameChars = QStringLiteral("abcproxyéÉ0123456789-_");

    auto name = [&] {
        QString n;
        for (int i = pick(7); i > 0; --i)
            n += nameChars.at(pick(int(nameChars.size())));
        return n + (pick(3) ? QStringLiteral(".faq") : QString());
    };
    auto subject = [&](int maxWords) {
        QString s = pick(6) == 0 ? QStringLiteral("  ") : QString();
        for (int i = pick(maxWords + 1); i > 0; --i)
            s += words.at(pick(int(words.size()))) + (i > 1 ? seps.at(pick(int(seps.size()))) : QString());
        return s + (pick(6) == 0 ? QStringLiteral(" ") : QString());
    };
    auto record = [&] {
        QString r = name() + QLatin1Char('=') + subject(4) + QLatin1Char(']');
        if (pick(8) == 0)
            r += pick(2) ? QStringLiteral(" tail") : QStringLiteral("]more");
        return r;
    };

    QString text;
    for (int i = 0; i < records; ++i) {
        QString line;
        switch (pick(16)) {
        case 0:
            line = name() + QLatin1Char('=') + subject(3);
            break;
        case 1:
            line = subject(3) + QLatin1Char(']');
            break;
        case 2:
            line = QLatin1Char('"') + record() + QLatin1Char('"');
            break;
        case 3:
            line = QLatin1Char('"') + record() + QStringLiteral("\" \t, ") + record();
            break;
        case 4:
            line = name() + QStringLiteral("=say \"hi\", then]");
            break;
        case 5:
            line = QStringLiteral("  \t") + record();
            break;
        case 6:
            line = QLatin1Char('"') + record() + QStringLiteral("\"\"") + record() + QLatin1Char('"');
            break;
        case 7:
            line = pick(2) ? QString() : QStringLiteral("   ");
            break;
        case 8:
            line = QStringLiteral("x]y=") + subject(2);
            break;
        case 9:
            line = name() + (pick(2) ? QStringLiteral("=]") : QStringLiteral("=   ]"));
            break;
        case 10:
            line = QLatin1Char('"') + name() + QStringLiteral("=first line\r\nsecond, ") + subject(2) +
                   QStringLiteral("]\"");
            break;
        case 11:
            line = QLatin1Char('"') + name() + QLatin1Char('=') + subject(90) + QStringLiteral("]\"");
            break;
        case 12:
            line = record() + QStringLiteral(",,") + record() + QLatin1Char(',');
            break;
        case 13:
            line = QStringLiteral("\"quoted\"after=x]");
            break;
        default:
            line = record();
            break;
        }
        text += line + ends.at(pick(int(ends.size())));
    }
    if (pick(3) == 0)
        text += QStringLiteral("\"unterminated=quote, with ") + subject(3) + QStringLiteral("]\r\nand more");
    return veldra::text::EncodeAnsi(text);
}
