#pragma once

#include "store/Document.h"
#include "store/Limits.h"
#include "store/ReadingEntry.h"
#include "store/SearchHit.h"
#include "store/StoreFile.h"
#include "text/Result.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace veldra::store
{

class Connection;

// The library store: the text of the downloaded documents with a full-text
// index over it, what a conditional request for each needs, the reading
// history and the bookmarks, all in one SQLite file (DefaultStorePath unless
// the caller names another). Any number of stores, in this process or in a
// second running program, may use one file at once. The document files
// themselves are the caller's; the store never touches them.
//
// A store is used from the thread that opened it. Every operation is one
// transaction; failures come back as errors in words.
class LibraryStore
{
public:
    // Opens the store at `path`. When that found no store, or a damaged one
    // that was built afresh (outcome() says which), the caller indexes the
    // documents it keeps again; only after Rebuilt were history and bookmarks
    // lost. Opening reads every page once to find damage (some 60-90 ms for
    // 10,000 documents), so it belongs off the window's thread.
    static Result<std::unique_ptr<LibraryStore>> open(const QString &path);
    ~LibraryStore();
    LibraryStore(const LibraryStore &) = delete;
    LibraryStore &operator=(const LibraryStore &) = delete;

    OpenOutcome outcome() const { return m_outcome; }
    QString path() const;

    // Indexes a document, replacing what the store held under its file name.
    // New text for a document the user has read marks it "updated since read";
    // a document the server just sent is on the server again.
    Status indexDocument(const DocumentText &document);

    // Marks every document whose file name the server's index no longer lists
    // as "not on the server" and clears the mark of those it lists again. Call
    // it with the names of an index that arrived whole, never of a failed one.
    Status markListed(const QStringList &listedFileNames);

    // What the store knows about `fileName`, or nothing when it is not indexed.
    Result<std::optional<DocumentState>> document(const QString &fileName);

    // At most `maxHits` documents holding every word of `query` (the last one
    // also as the start of a word), in any order, letter case and accents
    // ignored; ranked by relevance with the subject counting far more than the
    // body. A query without words finds nothing; no query is ever an error of
    // its own. The first `snippetHits` hits come with their snippets.
    Result<SearchResults> search(const QString &query, int maxHits = Limits::kMaxHits,
                                 int snippetHits = Limits::kSnippetHits);
    // Makes the snippets of hits [first, first + count) that have none yet (at
    // most Limits::kSnippetHits at a time), for a list that shows them.
    Status fillSnippets(SearchResults &results, int first, int count = Limits::kSnippetHits);

    // The user read `fileName` now: it goes to the top of the history, and a
    // document "updated since read" is no longer.
    Status recordRead(const QString &fileName, const QString &subject, const QDateTime &when);
    // The history, most recent first: each document once, at most kMaxHistory.
    Result<QList<ReadingEntry>> recentReads(int max = Limits::kMaxHistory);
    Status removeRead(const QString &fileName);

    // Adding a bookmark that exists keeps its time and takes the new subject.
    Status addBookmark(const QString &fileName, const QString &subject, const QDateTime &when);
    Status removeBookmark(const QString &fileName);
    // Adds the bookmark or removes it; the result says whether it is there now.
    Result<bool> toggleBookmark(const QString &fileName, const QString &subject, const QDateTime &when);
    Result<bool> isBookmarked(const QString &fileName);
    // The bookmarks, the most recently added first.
    Result<QList<ReadingEntry>> bookmarks();

private:
    LibraryStore();

    // Held apart so that users of the store need no SQL headers.
    std::unique_ptr<Connection> m_connection;
    OpenOutcome m_outcome = OpenOutcome::Existing;
};

// A file name the store accepts as a key: not empty, at most kMaxFileNameChars.
Status CheckStoreFileName(const QString &fileName);

} // namespace veldra::store
