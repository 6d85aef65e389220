#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

class QIODevice;

namespace veldra::index
{

struct IndexHit {
    QString Subject;  // the text between "=" and "]", untrimmed
    qint32 Position;  // where the search text starts in the field, from 1
    QString FileName; // FindServerFileName of the trimmed subject
};

// Bytes of the index read at a time.
constexpr qsizetype kIndexWindow = 256 * 1024;

// The records of an index whose field contains `text` (compared without case),
// at most maxHits, in index order. `index` is the open file, Windows-1252 bytes.
// The index is read once up to the last hit and once more from the first hit
// on for all their file names together. An index that cannot be read has no
// hits.
QVector<IndexHit> SearchIndex(QIODevice &index, QStringView text, int maxHits, qsizetype windowSize = kIndexWindow);

// The same for the file at `path`; a missing file has no hits.
QVector<IndexHit> SearchIndexFile(const QString &path, QStringView text, int maxHits,
                                  qsizetype windowSize = kIndexWindow);

// For each subject, the server file name that the last field containing it
// (without case) gives: the untrimmed text before the field's first "=", or
// empty text when that field has no "=" or no field contains the subject.
// The fields read from position `from` on are looked at. When every subject
// contains `anchor`, only the fields where the anchor occurs are.
QStringList FindServerFileNames(QIODevice &index, const QStringList &subjects, qint64 from = 0, QStringView anchor = {},
                                qsizetype windowSize = kIndexWindow);

} // namespace veldra::index
