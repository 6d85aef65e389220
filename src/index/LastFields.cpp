#include "index/LastFields.h"

#include "index/AnchoredSubjects.h"
#include "index/AnsiFold.h"
#include "index/IndexWindows.h"
#include "index/ShortSubjects.h"
#include "index/SubjectAutomaton.h"
#include "index/SubjectMatcher.h"
#include "index/TextFinder.h"
#include "text/FieldLocator.h"

#include <QBuffer>

#include <algorithm>
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

bool Stopped(const std::atomic<bool> *stop)
{
    return stop && stop->load(std::memory_order_relaxed);
}

// Every anchor occurrence that lies wholly in its field is looked at: a subject
// that occurs holds one where the anchor first occurs in it.
bool FewShapes(QByteArrayView index, ShortSubjects &few, const std::vector<int> &number, qint64 from,
               const TextFinder &anchor, const std::atomic<bool> *stop, std::vector<QString> *names)
{
    few.build();
    const char *data = index.data();
    const qsizetype size = index.size();
    FieldLocator fields(data, size, from);
    for (qsizetype at = anchor.find(data, from, size); at < size; at = anchor.find(data, at + 1, size)) {
        if (Stopped(stop))
            return false;
        const FieldSpan &f = fields.fieldAt(at);
        if (at >= f.begin && at + anchor.size() <= f.end)
            few.occurrence(data, size, at, f);
    }
    names->clear();
    for (const int n : number)
        names->push_back(FileNameOf(index, few.lastField(n)));
    return true;
}

} // namespace

bool FileNamesOfLastFields(QByteArrayView index, const std::vector<QByteArray> &subjects, qint64 from,
                           const TextFinder *anchor, const std::atomic<bool> *stop, std::vector<QString> *names)
{
    auto stopped = [stop] { return Stopped(stop); };
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
    if (anchored) {
        ShortSubjects few(fold, *anchor);
        std::vector<int> shortNumber(subjects.size(), -1);
        bool fit = true;
        for (size_t i = 0; i < subjects.size() && fit; ++i)
            fit = (shortNumber[i] = few.add(subjects[i])) >= 0;
        if (fit)
            return FewShapes(index, few, shortNumber, from, *anchor, stop, names);
    }
    automaton.build();

    const char *data = index.data();
    const qsizetype size = index.size();
    FieldSpan lastOfAll{-1, -1, -1};
    if (anchored) {
        // A subject that occurs holds an occurrence of the anchor, where the
        // anchor first occurs in it, so only the bytes that far around each
        // occurrence in its field are fed, each once.
        qsizetype before = 0;
        qsizetype after = 0;
        for (const QByteArray &subject : subjects) {
            const qsizetype a = subject.indexOf(anchor->classes());
            before = std::max(before, a);
            after = std::max(after, subject.size() - a - anchor->size());
        }
        FieldLocator fields(data, size, from);
        qsizetype fed = -1; // where the bytes fed so far end
        int state = 0;
        for (qsizetype at = anchor->find(data, from, size); at < size; at = anchor->find(data, at + 1, size)) {
            const FieldSpan &f = fields.fieldAt(at);
            if (at < f.begin || at + anchor->size() > f.end)
                continue;
            if (stopped())
                return false;
            qsizetype begin = std::max(f.begin, at - before);
            if (begin <= fed && fed <= f.end && fed > f.begin)
                begin = fed;
            else
                state = 0;
            const qsizetype end = std::min(f.end, at + anchor->size() + after);
            if (end > begin) {
                state = automaton.feed(data, begin, end, f, state);
                fed = end;
            }
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
