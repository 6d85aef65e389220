#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

#include <atomic>

namespace veldra::index
{

// One entry of the search's hit table.
struct SearchHit {
    QString Subject; // trimmed
    qint32 Position = 0;
};
constexpr int kMaxSearchHits = 500;

// What a search of the local index finds: its hits in index order, at most
// kMaxSearchHits, and for each the server file name the reader downloads
// (possibly empty). A missing or unreadable index finds nothing. Setting
// `stop`, from any thread, ends the search with nothing found.
struct SearchResult {
    QVector<SearchHit> hits;
    QStringList fileNames;
    bool stopped = false;
};
SearchResult SearchSubjects(const QString &indexFile, QStringView text, const std::atomic<bool> *stop = nullptr);

// A subject as the list and the status line show it: one longer than
// kMaxShownSubject characters ends in "…" there. The hit keeps all of it.
constexpr qsizetype kMaxShownSubject = 1024;
QString ShownSubject(const QString &subject);

// The texts the search shows: the status line while a hit is listed, and the
// count of hits.
QString CheckingText(const QString &subject);
QString FoundText(qsizetype count);

} // namespace veldra::index
