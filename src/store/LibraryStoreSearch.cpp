#include "store/LibraryStore.h"

#include "store/Connection.h"
#include "store/MarkedText.h"
#include "store/MatchQuery.h"
#include "store/Snippet.h"
#include "store/Words.h"

#include <QCoreApplication>
#include <QHash>

namespace veldra::store
{

namespace
{

// bm25 weights of subject, author and body: a word in the subject counts ten
// times one in the body. ORDER BY rank lets the index sort and stop at the
// limit. No function here reads a document's text, which would fetch its body.
const QLatin1String kSearch("SELECT documents_fts.rowid, d.file_name, d.subject, d.off_server, d.updated_since_read"
                            " FROM documents_fts JOIN documents d ON d.id = documents_fts.rowid"
                            " WHERE documents_fts MATCH ? AND rank MATCH 'bm25(10.0, 3.0, 1.0)'"
                            " ORDER BY rank LIMIT ?");

// The beginnings of some bodies, whose keys come as one JSON list.
const QLatin1String kBodies("SELECT id, substr(body, 1, ?) FROM documents"
                            " WHERE id IN (SELECT value FROM json_each(?))");

// Words of a snippet; about two lines.
constexpr int kSnippetWords = 24;

void AddMarkedWords(const QString &text, const QList<TextRange> &marks, QStringList &words)
{
    for (const TextRange &range : marks)
        words.append(text.mid(range.start, range.length));
}

// Each term as the document spells it, where a marked word shows it.
QStringList DocumentWords(const SearchResults &results, const SearchHit &hit)
{
    QStringList marked;
    AddMarkedWords(hit.subject, hit.subjectMarks, marked);
    AddMarkedWords(hit.snippet, hit.snippetMarks, marked);
    QStringList markedFolded;
    for (const QString &word : marked)
        markedFolded.append(FoldWord(word));
    QStringList words;
    for (int i = 0; i < results.terms.size(); ++i) {
        const QString &term = results.foldedTerms[i];
        const bool prefix = i == results.terms.size() - 1;
        QString word = results.terms[i];
        for (int m = 0; m < marked.size(); ++m) {
            if (markedFolded[m] == term || (prefix && markedFolded[m].startsWith(term))) {
                word = marked[m];
                break;
            }
        }
        if (!words.contains(word))
            words.append(word);
    }
    return words;
}

QStringList Folded(const QStringList &terms)
{
    QStringList folded;
    for (const QString &term : terms)
        folded.append(FoldWord(term));
    return folded;
}

} // namespace

Result<SearchResults> LibraryStore::search(const QString &query, int maxHits, int snippetHits)
{
    SearchResults results;
    const MatchQuery match = ParseQuery(query);
    results.terms = match.terms;
    results.foldedTerms = Folded(match.terms);
    if (match.expression.isEmpty() || maxHits <= 0)
        return results;

    Result<QSqlQuery> rows = m_connection->run(kSearch, {match.expression, maxHits + 1});
    if (!rows)
        return Error{rows.error()};
    QSqlQuery &q = rows.value();
    while (q.next()) {
        if (results.hits.size() == maxHits) {
            results.truncated = true;
            break;
        }
        SearchHit hit;
        hit.key = q.value(0).toLongLong();
        hit.fileName = q.value(1).toString();
        hit.subject = ReadMarkedText(q.value(2).toString()).text;
        hit.subjectMarks = MarkTerms(hit.subject, results.foldedTerms);
        hit.offServer = q.value(3).toBool();
        hit.updatedSinceRead = q.value(4).toBool();
        hit.words = DocumentWords(results, hit);
        results.hits.append(hit);
    }
    if (q.lastError().isValid())
        return Error{QCoreApplication::translate("store", "The library store %1 cannot be searched: %2")
                         .arg(path(), q.lastError().text())};
    q.finish();
    if (Status snippets = fillSnippets(results, 0, snippetHits); !snippets)
        return Error{snippets.error()};
    return results;
}

Status LibraryStore::fillSnippets(SearchResults &results, int first, int count)
{
    const qsizetype end = qMin<qsizetype>(results.hits.size(), qsizetype(first) + qMin(count, Limits::kSnippetHits));
    QHash<qint64, qsizetype> wanted; // key -> index of the hit
    QStringList keys;
    for (qsizetype i = qMax(first, 0); i < end; ++i) {
        if (!results.hits[i].hasSnippet) {
            wanted.insert(results.hits[i].key, i);
            keys.append(QString::number(results.hits[i].key));
        }
    }
    if (wanted.isEmpty())
        return {};
    results.foldedTerms = Folded(results.terms);
    Result<QSqlQuery> rows = m_connection->run(
        kBodies, {Limits::kSnippetScanChars, QLatin1Char('[') + keys.join(QLatin1Char(',')) + QLatin1Char(']')});
    if (!rows)
        return Error{rows.error()};
    QSqlQuery &q = rows.value();
    while (q.next()) {
        const auto index = wanted.constFind(q.value(0).toLongLong());
        if (index == wanted.cend())
            continue;
        SearchHit &hit = results.hits[index.value()];
        MarkedText snippet = MakeSnippet(q.value(1).toString(), results.foldedTerms, kSnippetWords);
        hit.snippet = std::move(snippet.text);
        hit.snippetMarks = std::move(snippet.marks);
        hit.hasSnippet = true;
        hit.words = DocumentWords(results, hit);
    }
    if (q.lastError().isValid())
        return Error{QCoreApplication::translate("store", "The library store %1 cannot be searched: %2")
                         .arg(path(), q.lastError().text())};
    return {};
}

} // namespace veldra::store
