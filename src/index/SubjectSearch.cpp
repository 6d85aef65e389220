#include "index/SubjectSearch.h"

#include "index/IndexSearch.h"
#include "index/Log.h"
#include "text/Trim.h"

#include <QCoreApplication>

namespace veldra::index
{

SearchResult SearchSubjects(const QString &indexFile, QStringView text, const std::atomic<bool> *stop)
{
    SearchResult result;
    const QVector<IndexHit> found = SearchIndexFile(indexFile, text, kMaxSearchHits, stop);
    if (stop && stop->load()) {
        result.stopped = true;
        return result;
    }
    result.hits.reserve(found.size());
    result.fileNames.reserve(found.size());
    for (const IndexHit &hit : found) {
        result.hits.append({text::TrimSpaces(hit.Subject), hit.Position});
        result.fileNames.append(hit.FileName);
    }
    qCDebug(lcIndex) << "search for" << text << "found" << result.hits.size();
    return result;
}

QString ShownSubject(const QString &subject)
{
    if (subject.size() <= kMaxShownSubject)
        return subject;
    qsizetype keep = kMaxShownSubject - 1;
    // Never half a character outside the basic plane.
    if (subject.at(keep - 1).isHighSurrogate())
        --keep;
    return subject.left(keep) + QChar(0x2026);
}

QString CheckingText(const QString &subject)
{
    return QCoreApplication::translate("index", "Checking server's filename for subject: %1")
        .arg(ShownSubject(subject));
}

QString FoundText(qsizetype count)
{
    return QCoreApplication::translate("index", "Found: %n", nullptr, int(count));
}

} // namespace veldra::index
