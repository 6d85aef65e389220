#include "index/LastFields.h"

#include "index/AnchoredSubjects.h"
#include "index/AnsiFold.h"
#include "index/IndexWindows.h"
#include "index/SubjectAutomaton.h"
#include "index/SubjectMatcher.h"
#include "index/TextFinder.h"
#include "text/FieldLocator.h"

#include <QBuffer>

#include <cstring>

namespace veldra::index
{

namespace
{

// Bytes read at a time where the index is read in windows.
constexpr qsizetype kWindow = 256 * 1024;

QString FileNameOf(QByteArrayView index, const FieldSpan &f)
{
    if (f.begin < 0)
        return QString();
    const char *begin = index.data() + f.begin;
    const void *equals = std::memchr(begin, '=', size_t(f.end - f.begin));
    if (!equals)
        return QString();
    return AnsiFold::instance().decode(QByteArrayView(begin, static_cast<const char *>(equals) - begin));
}

// Subjects too long for the automaton's tables are looked for a window at a
// time, each candidate compared in full: slower, but their memory is the
// subjects' own.
bool EveryFieldInWindows(QIODevice &index, const std::vector<QByteArray> &subjects, qint64 from,
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
    IndexWindows window(index, from, kWindow);
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

bool InWindows(QByteArrayView index, const std::vector<QByteArray> &subjects, qint64 from, const TextFinder *anchor,
               std::vector<QString> *names)
{
    QByteArray raw = QByteArray::fromRawData(index.data(), index.size());
    QBuffer buffer(&raw);
    buffer.open(QIODevice::ReadOnly);
    if (anchor) {
        AnchoredSubjects anchored(AnsiFold::instance().classes(), *anchor);
        bool all = true;
        for (size_t i = 0; i < subjects.size() && all; ++i)
            all = !subjects[i].isEmpty() && anchored.add(subjects[i]);
        if (all)
            return anchored.fileNames(buffer, from, kWindow, names);
    }
    return EveryFieldInWindows(buffer, subjects, from, names);
}

} // namespace

bool FileNamesOfLastFields(QByteArrayView index, const std::vector<QByteArray> &subjects, qint64 from,
                           const TextFinder *anchor, const std::atomic<bool> *stop, std::vector<QString> *names)
{
    auto stopped = [stop] { return stop && stop->load(std::memory_order_relaxed); };
    const uchar *fold = AnsiFold::instance().classes();
    SubjectAutomaton automaton(fold);
    SubjectMatcher starts(fold);
    std::vector<int> number(subjects.size(), -1);
    bool anchored = anchor != nullptr;
    for (size_t i = 0; i < subjects.size(); ++i) {
        if (subjects[i].isEmpty()) {
            anchored = false;
            continue;
        }
        number[i] = automaton.add(subjects[i]);
        if (number[i] < 0)
            return InWindows(index, subjects, from, anchor, names);
        anchored = anchored && subjects[i].contains(anchor->classes());
    }
    automaton.build();

    const char *data = index.data();
    const qsizetype size = index.size();
    FieldSpan lastOfAll{-1, -1, -1};
    if (anchored) {
        // A subject that occurs holds an occurrence of the anchor in its field.
        FieldLocator fields(data, size, from);
        qsizetype at = anchor->find(data, from, size);
        while (at < size) {
            const FieldSpan &f = fields.fieldAt(at);
            if (at < f.begin || at + anchor->size() > f.end) {
                at = anchor->find(data, at + 1, size);
                continue;
            }
            if (stopped())
                return false;
            automaton.feed(data, f);
            at = f.next < size ? anchor->find(data, f.next, size) : size;
        }
    } else {
        for (const QByteArray &subject : subjects)
            if (!subject.isEmpty())
                starts.add(subject);
        starts.build();
        const qsizetype shortest = starts.isEmpty() ? size + 1 : starts.minimumLength();
        for (qsizetype pos = from; pos < size;) {
            const FieldSpan f = NextField(data, size, pos);
            pos = f.next;
            lastOfAll = f;
            if (stopped())
                return false;
            if (f.end - f.begin >= shortest &&
                starts.mayOccur(reinterpret_cast<const uchar *>(data) + f.begin, f.end - f.begin))
                automaton.feed(data, f);
        }
    }
    names->clear();
    for (size_t i = 0; i < subjects.size(); ++i)
        names->push_back(FileNameOf(index, number[i] < 0 ? lastOfAll : automaton.lastField(number[i])));
    return true;
}

} // namespace veldra::index
