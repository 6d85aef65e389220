#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace veldra::store
{

// Characters [start, start + length) of a text, to be shown in bold.
struct TextRange {
    int start = 0;
    int length = 0;
    bool operator==(const TextRange &other) const { return start == other.start && length == other.length; }
};

// One document a search found.
struct SearchHit {
    QString fileName;
    QString subject;
    QList<TextRange> subjectMarks; // the words of the query in the subject
    // A few lines of the body around the words of the query, on one line
    // (runs of white space become one space); "…" where text was left out.
    // Made for the first hits of a search only (hasSnippet), and for others
    // by LibraryStore::fillSnippets when they are shown.
    QString snippet;
    QList<TextRange> snippetMarks;
    bool hasSnippet = false;
    // For the find bar: each word of the query as this document spells it
    // ("Café" for "cafe", "printing" for the prefix "print") where the subject
    // or the snippet shows it, else as typed.
    QStringList words;
    bool offServer = false;
    bool updatedSinceRead = false;
    qint64 key = 0; // the store's own key of the document
};

struct SearchResults {
    QStringList terms;       // the words of the query as the search used them
    QStringList foldedTerms; // the same as the index compares them
    QList<SearchHit> hits;   // best first
    bool truncated = false;  // more documents matched than the hits hold
};

} // namespace veldra::store
