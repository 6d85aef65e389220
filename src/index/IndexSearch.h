#pragma once

#include "index/SubjectAutomaton.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

#include <atomic>

namespace veldra::index
{

// From this many bytes after the first hit on, the pass for the file names is
// shared with a second thread: below it, the thread costs more than it saves.
constexpr qsizetype kSecondThreadBytes = qsizetype(8) * 1024 * 1024;

struct IndexHit {
    QString Subject;  // the text between "=" and "]", untrimmed
    qint32 Position;  // where the search text starts in the field, from 1
    QString FileName; // FindServerFileName of the trimmed subject
};

// The records of an index whose field contains `text` (compared without case),
// at most maxHits, in index order. `index` is the whole file, Windows-1252
// bytes. The bytes are looked at once up to the last hit and once more from the
// first hit on for all their file names together, each pass in time linear in
// the bytes; hits' subjects of more than `batchBytes` together take a pass per
// batch of them. Setting `stop` (from any thread) ends the search early with no hits.
QVector<IndexHit> SearchIndex(QByteArrayView index, QStringView text, int maxHits,
                              const std::atomic<bool> *stop = nullptr, qsizetype secondThreadBytes = kSecondThreadBytes,
                              qsizetype batchBytes = SubjectAutomaton::kMaxBytes);

// The same for the file at `path`, read through a mapping of it; a missing
// file, or anything but an ordinary file, has no hits.
QVector<IndexHit> SearchIndexFile(const QString &path, QStringView text, int maxHits,
                                  const std::atomic<bool> *stop = nullptr);

// For each subject, the server file name that the last field containing it
// (without case) gives: the untrimmed text before the field's first "=", or
// empty text when that field has no "=" or no field contains the subject.
// The fields read from position `from` on are looked at. When every subject
// contains `anchor`, only the fields where the anchor occurs are.
QStringList FindServerFileNames(QByteArrayView index, const QStringList &subjects, qint64 from = 0,
                                QStringView anchor = {});

} // namespace veldra::index
