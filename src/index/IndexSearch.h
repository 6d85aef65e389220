#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

struct IndexHit {
    QString Subject;  // the text between "=" and "]", untrimmed
    qint32 Position;  // where the search text starts in the field, from 1
    QString FileName; // FindServerFileName of the trimmed subject
};

// The records of an index whose field contains `text` (compared without case),
// at most maxHits, in index order. `index` is the file's raw Windows-1252 bytes.
// The index is read once for the hits and once more from the first hit on for
// all their file names together.
QVector<IndexHit> SearchIndex(QByteArrayView index, QStringView text, int maxHits);

// The same for the file at `path`. A missing or unreadable file has no hits.
QVector<IndexHit> SearchIndexFile(const QString &path, QStringView text, int maxHits);

// For each subject, the server file name that the last field containing it
// (without case) gives: the untrimmed text before the field's first "=", or
// empty text when that field has no "=" or no field contains the subject.
// Fields that start before `from` are not looked at.
QStringList FindServerFileNames(QByteArrayView index, const QStringList &subjects, qsizetype from = 0);
