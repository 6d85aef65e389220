#pragma once

// The search done the plain way, to hold the fast one against: every field read
// by the plain field reader from the decoded file, QString's own case-insensitive find,
// and one full reread of the index for each listed hit's file name.

#include "support/ReferenceFields.h"

#include <QFile>
#include <QString>
#include <QVector>

struct ReferenceHit {
    QString Subject;
    qint32 Position;
    QString FileName;
    bool operator==(const ReferenceHit &o) const
    {
        return Subject == o.Subject && Position == o.Position && FileName == o.FileName;
    }
};

inline QString ReferenceTrim(QString s)
{
    while (s.startsWith(QLatin1Char(' ')))
        s.remove(0, 1);
    while (s.endsWith(QLatin1Char(' ')))
        s.chop(1);
    return s;
}

// The file name of the last field that contains `subject`, from the index's
// decoded text; the versions taking a path read the file first.
inline QString ReferenceFindServerFileNameInText(const QString &indexText, const QString &subject)
{
    QString result;
    testsupport::ReferenceFieldReader file(indexText);
    while (!file.atEnd()) {
        const QString field = file.readField();
        if (field.contains(subject, Qt::CaseInsensitive)) {
            const qsizetype equals = field.indexOf(QLatin1Char('='));
            result = equals < 0 ? QString() : field.left(equals);
        }
    }
    return result;
}

inline QString ReferenceFindServerFileName(const QString &indexFile, const QString &subject)
{
    QFile f(indexFile);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return ReferenceFindServerFileNameInText(veldra::text::DecodeAnsi(f.readAll()), subject);
}

inline QVector<ReferenceHit> ReferenceSearchText(const QString &indexText, const QString &text, int maxHits = 500)
{
    QVector<ReferenceHit> hits;
    testsupport::ReferenceFieldReader file(indexText);
    while (!file.atEnd() && hits.size() < maxHits) {
        const QString field = file.readField();
        const qsizetype at = field.indexOf(text, 0, Qt::CaseInsensitive);
        if (at < 0)
            continue;
        const qsizetype equals = field.indexOf(QLatin1Char('='));
        const qsizetype bracket = field.lastIndexOf(QLatin1Char(']'));
        if (equals < 0 || bracket < 0 || bracket < equals)
            continue;
        hits.append({field.mid(equals + 1, bracket - equals - 1), qint32(at + 1), QString()});
    }
    for (ReferenceHit &hit : hits) {
        const QString subject = ReferenceTrim(hit.Subject);
        if (!subject.isEmpty())
            hit.FileName = ReferenceFindServerFileNameInText(indexText, subject);
    }
    return hits;
}

inline QVector<ReferenceHit> ReferenceSearch(const QString &indexFile, const QString &text, int maxHits = 500)
{
    QFile f(indexFile);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return ReferenceSearchText(veldra::text::DecodeAnsi(f.readAll()), text, maxHits);
}
