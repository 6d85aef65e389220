#include "CorpusExpectation.h"

#include <QRegularExpression>
#include <QTextDocument>

namespace corpus
{

QString Collapse(const QString &text)
{
    QString t = text;
    t.replace(QChar(0xFFFC), QLatin1Char(' ')); // an image in Qt's HTML rendering
    return t.simplified();
}

QString FromStripRtf(const QString &expected)
{
    QString t = expected;
    static const QRegularExpression link(QStringLiteral("\\(\"[^\"]*\"\\)"));
    t.remove(link);
    t.replace(QLatin1Char('|'), QLatin1Char(' '));
    return t;
}

QString FromHtml(const QString &html)
{
    QTextDocument doc;
    doc.setHtml(html);
    return doc.toPlainText();
}

QString WithoutListMarkers(const QString &text)
{
    QString t = text;
    static const QRegularExpression marker(QStringLiteral("(^|\n)\\S{1,3}\t"));
    t.replace(marker, QStringLiteral("\\1"));
    return t;
}

namespace
{

// Reads a Haskell string literal starting after its opening quote.
QString HaskellString(const QString &s, qsizetype &i)
{
    QString out;
    while (i < s.size() && s.at(i) != QLatin1Char('"')) {
        QChar c = s.at(i++);
        if (c != QLatin1Char('\\') || i >= s.size()) {
            out += c;
            continue;
        }
        c = s.at(i);
        if (c.isDigit()) {
            uint code = 0;
            while (i < s.size() && s.at(i).isDigit())
                code = code * 10 + uint(s.at(i++).digitValue());
            const char32_t cp = code;
            out += QString::fromUcs4(&cp, 1);
        } else if (c == QLatin1Char('&')) {
            ++i; // separates a numeric escape from a following digit
        } else if (c == QLatin1Char('n')) {
            out += QLatin1Char('\n');
            ++i;
        } else if (c == QLatin1Char('t')) {
            out += QLatin1Char('\t');
            ++i;
        } else {
            out += c;
            ++i;
        }
    }
    ++i;
    return out;
}

} // namespace

QString FromPandocNative(const QString &native)
{
    QString out;
    QString notes;
    int noteCount = 0;
    int noteDepth = -1; // bracket depth at which the current note ends
    int depth = 0;
    qsizetype i = 0;
    auto word = [&](QLatin1String w) {
        return native.mid(i, w.size()) == w &&
               (i + w.size() >= native.size() || !native.at(i + w.size()).isLetterOrNumber());
    };
    bool noteNext = false;
    while (i < native.size()) {
        const QChar c = native.at(i);
        QString &to = noteDepth < 0 ? out : notes;
        if (c == QLatin1Char('"')) {
            ++i;
            to += HaskellString(native, i);
        } else if (c == QLatin1Char('[')) {
            ++depth;
            if (noteNext) {
                noteDepth = depth;
                noteNext = false;
                notes += QLatin1Char(' ') + QString::number(noteCount);
            }
            ++i;
        } else if (c == QLatin1Char(']')) {
            if (depth == noteDepth)
                noteDepth = -1;
            --depth;
            ++i;
        } else if (word(QLatin1String("Note"))) {
            if (noteDepth < 0) {
                noteNext = true;
                out += QString::number(++noteCount);
            }
            i += 4;
        } else if (word(QLatin1String("Space")) || word(QLatin1String("SoftBreak")) ||
                   word(QLatin1String("LineBreak")) || word(QLatin1String("Para")) || word(QLatin1String("Plain"))) {
            // A note's first paragraph follows its number directly.
            if (noteDepth < 0 || !notes.endsWith(QString::number(noteCount)))
                to += QLatin1Char(' ');
            while (i < native.size() && native.at(i).isLetter())
                ++i;
        } else {
            ++i;
        }
    }
    return out + notes;
}

} // namespace corpus
