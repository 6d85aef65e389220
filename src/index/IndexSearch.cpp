#include "index/IndexSearch.h"

#include "index/AnsiFold.h"
#include "index/IndexField.h"
#include "index/IndexRecord.h"
#include "index/SubjectMatcher.h"

#include <QFile>

#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace
{

// Finds the search text in the raw bytes, without case: candidates for its
// first character are found 16 bytes at a time, the rest is compared by class.
class TextFinder
{
public:
    TextFinder(const AnsiFold &fold, QByteArray classes)
        : m_fold(fold.classes())
        , m_classes(std::move(classes))
    {
        for (int b = 0; b < 256; ++b)
            if (m_fold[b] == uchar(m_classes.at(0)))
                m_firstBytes.push_back(char(b));
    }
    qsizetype size() const { return m_classes.size(); }

    // Start of the first occurrence at or after `from`, or `size` when none.
    qsizetype find(const char *data, qsizetype from, qsizetype size) const
    {
        const qsizetype length = m_classes.size();
        const uchar *classes = reinterpret_cast<const uchar *>(m_classes.constData());
        for (;;) {
            from = findFirst(data, from, size - length + 1);
            if (from > size - length)
                return size;
            qsizetype i = 1;
            while (i < length && m_fold[uchar(data[from + i])] == classes[i])
                ++i;
            if (i == length)
                return from;
            ++from;
        }
    }

private:
    // First byte in [from, limit) that is a form of the first character.
    qsizetype findFirst(const char *data, qsizetype from, qsizetype limit) const
    {
#if defined(__SSE2__)
        if (m_firstBytes.size() <= 4) {
            __m128i forms[4];
            for (size_t i = 0; i < 4; ++i)
                forms[i] = _mm_set1_epi8(m_firstBytes[i < m_firstBytes.size() ? i : 0]);
            while (from + 16 <= limit) {
                const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + from));
                const __m128i hit =
                    _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, forms[0]), _mm_cmpeq_epi8(v, forms[1])),
                                 _mm_or_si128(_mm_cmpeq_epi8(v, forms[2]), _mm_cmpeq_epi8(v, forms[3])));
                if (const int mask = _mm_movemask_epi8(hit))
                    return from + __builtin_ctz(unsigned(mask));
                from += 16;
            }
        }
#endif
        const uchar first = uchar(m_classes.at(0));
        while (from < limit && m_fold[uchar(data[from])] != first)
            ++from;
        return from;
    }

    const uchar *m_fold;
    QByteArray m_classes;
    std::vector<char> m_firstBytes;
};

struct FieldRange {
    qsizetype begin = -1;
    qsizetype end = -1;
};

// The last field from `from` on that contains each subject (given as classes;
// an empty subject is contained in every field).
std::vector<FieldRange> LastFieldsContaining(QByteArrayView index, const std::vector<QByteArray> &subjects,
                                             qsizetype from)
{
    const AnsiFold &fold = AnsiFold::instance();
    SubjectMatcher matcher(fold.classes());
    std::vector<int> number(subjects.size(), -1);
    for (size_t i = 0; i < subjects.size(); ++i)
        if (!subjects[i].isEmpty())
            number[i] = matcher.add(subjects[i]);
    matcher.build();

    std::vector<FieldRange> last(subjects.size());
    std::vector<FieldRange> lastOf(size_t(matcher.isEmpty() ? 0 : subjects.size()));
    FieldRange lastField;
    const char *data = index.data();
    const qsizetype size = index.size();
    const qsizetype shortest = matcher.isEmpty() ? size + 1 : matcher.minimumLength();
    const uchar *bytes = reinterpret_cast<const uchar *>(data);
    for (qsizetype pos = from; pos < size;) {
        const FieldSpan f = NextField(data, size, pos);
        pos = f.next;
        lastField = {f.begin, f.end};
        if (f.end - f.begin < shortest)
            continue;
        matcher.scan(bytes + f.begin, f.end - f.begin, [&](int n) { lastOf[size_t(n)] = {f.begin, f.end}; });
    }
    for (size_t i = 0; i < subjects.size(); ++i)
        last[i] = number[i] < 0 ? lastField : lastOf[size_t(number[i])];
    return last;
}

QString FileNameOf(QByteArrayView index, FieldRange field)
{
    if (field.begin < 0)
        return QString();
    const char *begin = index.data() + field.begin;
    const void *equals = std::memchr(begin, '=', size_t(field.end - field.begin));
    if (!equals)
        return QString();
    return AnsiFold::instance().decode(QByteArrayView(begin, static_cast<const char *>(equals) - begin));
}

QByteArrayView TrimSpaces(QByteArrayView bytes)
{
    while (!bytes.isEmpty() && bytes.front() == ' ')
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && bytes.back() == ' ')
        bytes.chop(1);
    return bytes;
}

} // namespace

QVector<IndexHit> SearchIndex(QByteArrayView index, QStringView text, int maxHits)
{
    QVector<IndexHit> hits;
    const AnsiFold &fold = AnsiFold::instance();
    QByteArray classes;
    if (text.isEmpty() || maxHits <= 0 || !fold.classesOf(text, &classes))
        return hits;
    const TextFinder finder(fold, classes);

    const char *data = index.data();
    const qsizetype size = index.size();
    std::vector<QByteArray> subjects;
    qsizetype firstHitField = -1;
    qsizetype found = -1; // the next occurrence in the raw bytes
    for (qsizetype pos = 0; pos < size && hits.size() < maxHits;) {
        const qsizetype start = pos;
        const FieldSpan f = NextField(data, size, pos);
        pos = f.next;
        if (found < f.begin)
            found = finder.find(data, f.begin, size);
        // An occurrence that runs past the field's end may overlap a later one
        // that fits.
        while (found < f.end && found + finder.size() > f.end)
            found = finder.find(data, found + 1, size);
        if (found >= size)
            break; // no more occurrences anywhere
        if (found >= f.end)
            continue;
        const auto record = LocateIndexRecord(data + f.begin, f.end - f.begin);
        if (!record)
            continue;
        const QByteArrayView subject(data + f.begin + record->equals + 1, record->bracket - record->equals - 1);
        hits.append({fold.decode(subject), qint32(found - f.begin + 1), QString()});
        subjects.push_back(fold.classesOf(TrimSpaces(subject)));
        if (firstHitField < 0)
            firstHitField = start;
    }
    if (hits.isEmpty())
        return hits;

    // Each subject occurs in its own record, so earlier fields cannot decide
    // its file name.
    const std::vector<FieldRange> last = LastFieldsContaining(index, subjects, firstHitField);
    for (qsizetype i = 0; i < hits.size(); ++i)
        if (!subjects[size_t(i)].isEmpty())
            hits[i].FileName = FileNameOf(index, last[size_t(i)]);
    return hits;
}

QVector<IndexHit> SearchIndexFile(const QString &path, QStringView text, int maxHits)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {};
    file.close();
    return SearchIndex(data, text, maxHits);
}

QStringList FindServerFileNames(QByteArrayView index, const QStringList &subjects, qsizetype from)
{
    const AnsiFold &fold = AnsiFold::instance();
    std::vector<QByteArray> classes;
    std::vector<bool> possible;
    for (const QString &s : subjects) {
        QByteArray c;
        possible.push_back(fold.classesOf(s, &c));
        classes.push_back(possible.back() ? c : QByteArray());
    }
    const std::vector<FieldRange> last = LastFieldsContaining(index, classes, from);
    QStringList names;
    for (size_t i = 0; i < classes.size(); ++i)
        names.append(possible[i] ? FileNameOf(index, last[i]) : QString());
    return names;
}
