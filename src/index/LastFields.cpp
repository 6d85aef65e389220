#include "index/LastFields.h"

#include "index/AnchoredSubjects.h"
#include "index/AnsiFold.h"
#include "index/IndexWindows.h"
#include "index/LastFieldParts.h"
#include "index/ShortSubjects.h"
#include "index/SubjectAutomaton.h"
#include "index/SubjectBatches.h"
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

// An index too large for the automaton's positions is read a window at a
// time, each candidate compared in full: slower, but its memory is the
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

bool InBatches(QByteArrayView index, const std::vector<QByteArray> &subjects, qint64 from, const TextFinder *anchor,
               const std::atomic<bool> *stop, qsizetype split, qsizetype batchBytes, std::vector<QString> *names)
{
    for (const QByteArray &subject : subjects)
        if (anchor && !subject.isEmpty() && !subject.contains(anchor->classes()))
            anchor = nullptr;
    std::vector<FieldSpan> last;
    if (!LastFieldsInBatches(index, subjects, from, anchor, stop, split, batchBytes, &last))
        return false;
    names->clear();
    for (const FieldSpan &f : last)
        names->push_back(FileNameOf(index, f));
    return true;
}

// Every anchor occurrence that lies wholly in its field is looked at: a subject
// that occurs holds one where the anchor first occurs in it.
bool FewShapes(QByteArrayView index, ShortSubjects &few, const std::vector<int> &number, qint64 from, qsizetype split,
               const TextFinder &anchor, const std::atomic<bool> *stop, std::vector<QString> *names)
{
    few.build();
    TwoParts<ShapesPart> parts(index, from, split, stop, anchor, few);
    if (!parts.run())
        return false;
    names->clear();
    for (const int n : number)
        names->push_back(FileNameOf(index, parts.lastField(n)));
    return true;
}

} // namespace

bool FileNamesOfLastFields(QByteArrayView index, const std::vector<QByteArray> &subjects, qint64 from,
                           const TextFinder *anchor, const std::atomic<bool> *stop, std::vector<QString> *names,
                           qsizetype partBytes, qsizetype batchBytes)
{
    const uchar *fold = AnsiFold::instance().classes();
    SubjectAutomaton automaton(fold, SubjectAutomaton::kMaxTable, batchBytes);
    std::vector<int> number(subjects.size(), -1);
    bool anchored = anchor != nullptr;
    if (index.size() > SubjectAutomaton::kMaxIndex)
        return InWindows(index, subjects, from, anchor, names);
    const qsizetype split = SecondPartStart(index, from, partBytes);
    for (size_t i = 0; i < subjects.size(); ++i) {
        if (subjects[i].isEmpty()) {
            anchored = false;
            continue;
        }
        number[i] = automaton.add(subjects[i]);
        if (number[i] < 0)
            return InBatches(index, subjects, from, anchor, stop, split, batchBytes, names);
        anchored = anchored && subjects[i].contains(anchor->classes());
    }
    if (anchored) {
        ShortSubjects few(fold, *anchor);
        std::vector<int> shortNumber(subjects.size(), -1);
        bool fit = true;
        for (size_t i = 0; i < subjects.size() && fit; ++i)
            fit = (shortNumber[i] = few.add(subjects[i])) >= 0;
        if (fit)
            return FewShapes(index, few, shortNumber, from, split, *anchor, stop, names);
    }
    names->clear();
    if (anchored) {
        qsizetype before = 0;
        qsizetype after = 0;
        AlignedSubjects aligned(fold, anchor->classes());
        for (const QByteArray &subject : subjects) {
            const qsizetype a = subject.indexOf(anchor->classes());
            before = std::max(before, a);
            after = std::max(after, subject.size() - a - anchor->size());
            aligned.add(subject);
        }
        aligned.build();
        LazyAutomaton lazy(automaton);
        TwoParts<AlignedPart> parts(index, from, split, stop, *anchor, aligned, lazy, before, after);
        if (!parts.run())
            return false;
        for (size_t i = 0; i < subjects.size(); ++i)
            names->push_back(FileNameOf(index, parts.lastField(number[i])));
        return true;
    }

    automaton.build();
    SubjectMatcher starts(fold);
    for (const QByteArray &subject : subjects)
        if (!subject.isEmpty())
            starts.add(subject);
    starts.build();
    TwoParts<FieldsPart> parts(index, from, split, stop, starts, automaton);
    if (!parts.run())
        return false;
    const FieldSpan lastOfAll =
        parts.last().lastOfAll().begin >= 0 ? parts.last().lastOfAll() : parts.first().lastOfAll();
    for (size_t i = 0; i < subjects.size(); ++i)
        names->push_back(FileNameOf(index, number[i] < 0 ? lastOfAll : parts.lastField(number[i])));
    return true;
}

} // namespace veldra::index
