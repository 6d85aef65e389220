#include "index/IndexSearch.h"

#include "index/AnchoredSubjects.h"
#include "index/AnsiFold.h"
#include "index/IndexWindows.h"
#include "index/SubjectMatcher.h"
#include "index/TextFinder.h"
#include "text/FieldLocator.h"
#include "text/IndexRecord.h"
#include "text/Trim.h"

#include <QFile>

#include <vector>

namespace veldra::index
{

namespace
{

// For each subject (fold classes; an empty one is contained in every field),
// the file name that the last field from `from` on that contains it gives,
// looking at every field.
bool FileNamesOfLastFields(QIODevice &index, const std::vector<QByteArray> &subjects, qint64 from, qsizetype windowSize,
                           std::vector<QString> *names)
{
    SubjectMatcher matcher(AnsiFold::instance().classes());
    std::vector<int> number(subjects.size(), -1);
    bool anyEmpty = false;
    for (size_t i = 0; i < subjects.size(); ++i) {
        if (subjects[i].isEmpty())
            anyEmpty = true;
        else
            number[i] = matcher.add(subjects[i]);
    }
    matcher.build();

    // One more entry after the subjects' for the last field of all.
    const size_t everyField = matcher.count();
    FoundFields found(everyField + 1);
    IndexWindows window(index, from, windowSize);
    while (window.read()) {
        const char *data = window.data();
        const qsizetype size = window.size();
        const qsizetype shortest = matcher.isEmpty() ? size + 1 : matcher.minimumLength();
        for (qsizetype pos = 0; pos < size;) {
            const FieldSpan f = NextField(data, size, pos);
            if (!window.complete(f)) {
                window.resumeAt(pos);
                break;
            }
            pos = f.next;
            if (anyEmpty)
                found.found(everyField, window, f);
            if (f.end - f.begin >= shortest)
                matcher.scan(reinterpret_cast<const uchar *>(data) + f.begin, f.end - f.begin,
                             [&](int n) { found.found(size_t(n), window, f); });
        }
        found.capture(window);
    }
    names->clear();
    for (size_t i = 0; i < subjects.size(); ++i)
        names->push_back(found.fileName(number[i] < 0 ? everyField : size_t(number[i])));
    return !window.failed();
}

// The same, looking only where `anchor` occurs when every subject contains it.
bool FileNamesOfLastFields(QIODevice &index, const std::vector<QByteArray> &subjects, qint64 from, qsizetype windowSize,
                           const TextFinder *anchor, std::vector<QString> *names)
{
    if (anchor) {
        AnchoredSubjects anchored(AnsiFold::instance().classes(), *anchor);
        bool all = true;
        for (size_t i = 0; i < subjects.size() && all; ++i)
            all = !subjects[i].isEmpty() && anchored.add(subjects[i]);
        if (all)
            return anchored.fileNames(index, from, windowSize, names);
    }
    return FileNamesOfLastFields(index, subjects, from, windowSize, names);
}

struct HitScan {
    QVector<IndexHit> hits;
    std::vector<QByteArray> subjects; // classes of the trimmed subjects that are not empty
    std::vector<qsizetype> listed;    // their hits
    qint64 firstHitRead = -1;         // where the first hit's field is read from
};

// Only the first occurrence in a field counts; it is the first one that lies
// wholly inside the field.
bool FindHits(QIODevice &index, const TextFinder &finder, int maxHits, qsizetype windowSize, HitScan *scan)
{
    const AnsiFold &fold = AnsiFold::instance();
    IndexWindows window(index, 0, windowSize);
    while (scan->hits.size() < maxHits && window.read()) {
        const char *data = window.data();
        const qsizetype size = window.size();
        FieldLocator fields(data, size, 0);
        qsizetype at = finder.find(data, 0, size);
        while (at < size && scan->hits.size() < maxHits) {
            const FieldSpan &f = fields.fieldAt(at);
            if (!window.complete(f)) {
                window.resumeAt(fields.readStart());
                break;
            }
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
                    scan->firstHitRead = window.offset() + fields.readStart();
            }
            at = f.next < size ? finder.find(data, f.next, size) : size;
        }
        // An occurrence cut off by the window's end lies in the field that
        // covers its last byte; the next window starts with that field.
        if (at >= size && !window.reachesEnd()) {
            fields.fieldAt(size - 1);
            window.resumeAt(fields.readStart());
        }
    }
    return !window.failed();
}

} // namespace

QVector<IndexHit> SearchIndex(QIODevice &index, QStringView text, int maxHits, qsizetype windowSize)
{
    const AnsiFold &fold = AnsiFold::instance();
    QByteArray classes;
    if (text.isEmpty() || maxHits <= 0 || !fold.classesOf(text, &classes))
        return {};
    const TextFinder finder(fold.classes(), classes);
    HitScan scan;
    if (!FindHits(index, finder, maxHits, windowSize, &scan))
        return {};
    if (scan.subjects.empty())
        return scan.hits;

    // Each subject occurs in its own record, so earlier fields cannot decide
    // its file name.
    std::vector<QString> names;
    if (!FileNamesOfLastFields(index, scan.subjects, scan.firstHitRead, windowSize, &finder, &names))
        return {};
    for (size_t i = 0; i < scan.listed.size(); ++i)
        scan.hits[scan.listed[i]].FileName = names[i];
    return scan.hits;
}

QVector<IndexHit> SearchIndexFile(const QString &path, QStringView text, int maxHits, qsizetype windowSize)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return {};
    return SearchIndex(file, text, maxHits, windowSize);
}

QStringList FindServerFileNames(QIODevice &index, const QStringList &subjects, qint64 from, QStringView anchor,
                                qsizetype windowSize)
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
        read = FileNamesOfLastFields(index, classes, from, windowSize, &finder, &found);
    } else {
        read = FileNamesOfLastFields(index, classes, from, windowSize, &found);
    }
    QStringList names;
    for (size_t i = 0; i < classes.size(); ++i)
        names.append(read && possible[i] ? found[i] : QString());
    return names;
}

} // namespace veldra::index
