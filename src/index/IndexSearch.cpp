#include "index/IndexSearch.h"

#include "index/AnsiFold.h"
#include "index/LastFields.h"
#include "index/Log.h"
#include "index/TextFinder.h"
#include "text/FieldLocator.h"
#include "text/IndexRecord.h"
#include "text/OrdinaryFile.h"
#include "text/Trim.h"

#include <QFile>

#include <vector>

namespace veldra::index
{

namespace
{

using text::FieldLocator;
using text::FieldSpan;

bool Stopped(const std::atomic<bool> *stop)
{
    return stop && stop->load(std::memory_order_relaxed);
}

struct HitScan {
    QVector<IndexHit> hits;
    std::vector<QByteArray> subjects; // classes of the trimmed subjects that are not empty
    std::vector<qsizetype> listed;    // their hits
    qint64 firstHitRead = -1;         // where the first hit's field is read from
};

// Only the first occurrence in a field counts; it is the first one that lies
// wholly inside the field.
bool FindHits(QByteArrayView index, const TextFinder &finder, int maxHits, const std::atomic<bool> *stop, HitScan *scan)
{
    const AnsiFold &fold = AnsiFold::instance();
    const char *data = index.data();
    const qsizetype size = index.size();
    FieldLocator fields(data, size, 0);
    qsizetype at = finder.find(data, 0, size);
    while (at < size && scan->hits.size() < maxHits) {
        if (Stopped(stop))
            return false;
        const FieldSpan &f = fields.fieldAt(at);
        if (at < f.begin || at + finder.size() > f.end) {
            at = finder.find(data, at + 1, size);
            continue;
        }
        if (const auto record = text::LocateIndexRecord(data + f.begin, f.end - f.begin)) {
            const QByteArrayView subject(data + f.begin + record->equals + 1, record->bracket - record->equals - 1);
            scan->hits.append({fold.decode(subject), qint32(at - f.begin + 1), QString()});
            const QByteArrayView trimmed = text::TrimSpaces(subject);
            if (!trimmed.isEmpty()) {
                scan->subjects.push_back(fold.classesOf(trimmed));
                scan->listed.push_back(scan->hits.size() - 1);
            }
            if (scan->firstHitRead < 0)
                scan->firstHitRead = fields.readStart();
        }
        at = f.next < size ? finder.find(data, f.next, size) : size;
    }
    return true;
}

} // namespace

QVector<IndexHit> SearchIndex(QByteArrayView index, QStringView text, int maxHits, const std::atomic<bool> *stop,
                              qsizetype secondThreadBytes, qsizetype batchBytes)
{
    const AnsiFold &fold = AnsiFold::instance();
    QByteArray classes;
    if (text.isEmpty() || maxHits <= 0 || !fold.classesOf(text, &classes))
        return {};
    const TextFinder finder(fold.classes(), classes);
    HitScan scan;
    if (!FindHits(index, finder, maxHits, stop, &scan))
        return {};
    if (scan.subjects.empty())
        return scan.hits;

    // Each subject occurs in its own record, so earlier fields cannot decide
    // its file name.
    std::vector<QString> names;
    if (!FileNamesOfLastFields(index, scan.subjects, scan.firstHitRead, &finder, stop, &names, secondThreadBytes,
                               batchBytes))
        return {};
    for (size_t i = 0; i < scan.listed.size(); ++i)
        scan.hits[scan.listed[i]].FileName = names[i];
    return scan.hits;
}

QVector<IndexHit> SearchIndexFile(const QString &path, QStringView text, int maxHits, const std::atomic<bool> *stop)
{
    QFile file;
    if (const Status opened = text::OpenOrdinaryFile(file, path); !opened) {
        qCDebug(lcIndex) << "index not searched:" << opened.error();
        return {};
    }
    const qint64 size = file.size();
    if (size <= 0)
        return {};
    // The mapping spares copying the index; where a file system cannot map,
    // it is read whole instead.
    if (const uchar *mapped = file.map(0, size))
        return SearchIndex(QByteArrayView(mapped, size), text, maxHits, stop);
    const QByteArray bytes = file.readAll();
    return SearchIndex(bytes, text, maxHits, stop);
}

QStringList FindServerFileNames(QByteArrayView index, const QStringList &subjects, qint64 from, QStringView anchor)
{
    const AnsiFold &fold = AnsiFold::instance();
    std::vector<QByteArray> classes;
    std::vector<bool> possible;
    for (const QString &s : subjects) {
        QByteArray c;
        possible.push_back(fold.classesOf(s, &c));
        classes.push_back(possible.back() ? c : QByteArray());
    }
    QByteArray anchorClasses;
    std::vector<QString> found;
    bool read = false;
    if (!anchor.isEmpty() && fold.classesOf(anchor, &anchorClasses)) {
        const TextFinder finder(fold.classes(), anchorClasses);
        read = FileNamesOfLastFields(index, classes, from, &finder, nullptr, &found, kSecondThreadBytes);
    } else {
        read = FileNamesOfLastFields(index, classes, from, nullptr, nullptr, &found, kSecondThreadBytes);
    }
    QStringList names;
    for (size_t i = 0; i < classes.size(); ++i)
        names.append(read && possible[i] ? found[i] : QString());
    return names;
}

} // namespace veldra::index
