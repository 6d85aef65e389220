#pragma once

#include <QString>
#include <QStringList>

namespace veldra::store
{

// What the user typed, made into a full-text query that is never syntax.
struct MatchQuery {
    QStringList terms; // the words, as typed
    // Each word as a quoted FTS5 string (quotes doubled), all of them required,
    // the last one also as a prefix: "printer" "driv"*. Empty without words.
    QString expression;
};

// Splits `text` into words the way the index does (SplitWords) and keeps at
// most Limits::kMaxQueryTerms of them. AND, OR, NEAR, quotes, stars, carets,
// colons and column names are plain text here.
MatchQuery ParseQuery(const QString &text);

} // namespace veldra::store
