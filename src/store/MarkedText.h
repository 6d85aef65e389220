#pragma once

#include "store/SearchHit.h"

#include <QChar>
#include <QString>

namespace veldra::store
{

// Matched words are marked with two control characters, which stored text
// never holds (CleanText).
constexpr char16_t kMarkOpen = u'\u0002';
constexpr char16_t kMarkClose = u'\u0003';

struct MarkedText {
    QString text;
    QList<TextRange> marks;
};

// Takes the marks out of `marked`, noting where they were, and makes each run
// of white space one space so that the text fits one line.
MarkedText ReadMarkedText(const QString &marked);

// `text` as the store keeps it: at most `maxChars` characters (never half a
// character), and every control character but tab and line breaks a space.
QString CleanText(const QString &text, int maxChars);

} // namespace veldra::store
