#include "store/LibraryStore.h"

#include "store/Connection.h"
#include "store/MarkedText.h"
#include "store/MatchQuery.h"

namespace veldra::store
{

namespace
{

// bm25 weights of subject, author and body: a word in the subject counts ten
// times one in the body. ORDER BY rank lets the index sort and stop at the
// limit, so snippets are made for the hits returned only.
const QLatin1String kSearch("SELECT d.file_name, highlight(documents_fts, 0, char(2), char(3)),"
                            " snippet(documents_fts, 2, char(2), char(3), ?, ?), d.off_server, d.updated_since_read"
                            " FROM documents_fts JOIN documents d ON d.id = documents_fts.rowid"
                            " WHERE documents_fts MATCH ? AND rank MATCH 'bm25(10.0, 3.0, 1.0)'"
                            " ORDER BY rank LIMIT ?");

// Words of the snippet, in tokens; about two lines.
constexpr int kSnippetTokens = 24;

void AddMarkedWords(const MarkedText &marked, QStringList &words)
{
    for (const TextRange &range : marked.marks)
        words.append(marked.text.mid(range.start, range.length));
}

// Each term as the document spells it, where a marked word shows it.
QStringList DocumentWords(const QStringList &terms, const QStringList &folded, const QStringList &marked)
{
    QStringList markedFolded;
    for (const QString &word : marked)
        markedFolded.append(FoldWord(word));
    QStringList words;
    for (int i = 0; i < terms.size(); ++i) {
        const bool prefix = i == terms.size() - 1;
        QString word = terms[i];
        for (int m = 0; m < marked.size(); ++m) {
            if (markedFolded[m] == folded[i] || (prefix && markedFolded[m].startsWith(folded[i]))) {
                word = marked[m];
                break;
            }
        }
        if (!words.contains(word))
            words.append(word);
    }
    return words;
}

} // namespace

Result<SearchResults> LibraryStore::search(const QString &query, int maxHits)
{
    SearchResults results;
    const MatchQuery match = ParseQuery(query);
    results.terms = match.terms;
    if (match.expression.isEmpty() || maxHits <= 0)
        return results;
    QStringList folded;
    for (const QString &term : match.terms)
        folded.append(FoldWord(term));

    Result<QSqlQuery> rows =
        m_connection->run(kSearch, {QStringLiteral("\u2026"), kSnippetTokens, match.expression, maxHits + 1});
    if (!rows)
        return Error{rows.error()};
    QSqlQuery &q = rows.value();
    while (q.next()) {
        if (results.hits.size() == maxHits) {
            results.truncated = true;
            break;
        }
        SearchHit hit;
        hit.fileName = q.value(0).toString();
        const MarkedText subject = ReadMarkedText(q.value(1).toString());
        const MarkedText snippet = ReadMarkedText(q.value(2).toString());
        hit.subject = subject.text;
        hit.subjectMarks = subject.marks;
        hit.snippet = snippet.text;
        hit.snippetMarks = snippet.marks;
        QStringList marked;
        AddMarkedWords(subject, marked);
        AddMarkedWords(snippet, marked);
        hit.words = DocumentWords(match.terms, folded, marked);
        hit.offServer = q.value(3).toBool();
        hit.updatedSinceRead = q.value(4).toBool();
        results.hits.append(hit);
    }
    if (q.lastError().isValid())
        return Error{QStringLiteral("The library store %1 cannot be searched: %2").arg(path(), q.lastError().text())};
    return results;
}

} // namespace veldra::store
