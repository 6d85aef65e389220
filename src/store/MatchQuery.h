#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace veldra::store
{

// What the user typed, made into a full-text query that is never syntax.
struct MatchQuery {
    QStringList terms; // the words, as typed
    // Each word as a quoted FTS5 string (quotes doubled), all of them required,
    // the last one also as a prefix: "printer" "driv"*. Empty without words.
    QString expression;
};

// Splits `text` into words the way the index does (letters, digits, marks and
// private-use characters; everything else separates), drops the words that hold
// no letter or digit and keeps at most Limits::kMaxQueryTerms of them. AND, OR,
// NEAR, quotes, stars, carets, colons and column names are plain text here.
MatchQuery ParseQuery(const QString &text);

// A word as the index compares it: lower case, without accents ("Café" and
// "CAFE" both give "cafe").
QString FoldWord(QStringView word);

} // namespace veldra::store
