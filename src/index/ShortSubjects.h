#pragma once

#include "text/FieldScanner.h"

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

namespace veldra::index
{

class TextFinder;

// Finds the last field that contains each of a few shapes of short subjects
// that all contain the search text (the anchor). A subject of a shape (where
// the anchor first occurs in it, and its length) can only lie at one place
// around each occurrence of the anchor, so at each occurrence the bytes there
// are hashed once per shape and looked up; only a subject with the same hash
// is compared, and only once per field. So an occurrence costs the same
// however many subjects there are and however alike the text around it is.
class ShortSubjects
{
public:
    static constexpr size_t kMaxShapes = 4;
    static constexpr qsizetype kMaxLength = 64;

    ShortSubjects(const uchar *foldClasses, const TextFinder &anchor);

    // Adds a subject (fold classes) and returns its number; equal subjects
    // share one. Returns -1 when it is longer than kMaxLength, does not hold
    // the anchor or would make one shape too many.
    int add(QByteArrayView classes);
    void build();

    // Looks at the anchor's occurrence at `at` of the `size` bytes of `data`,
    // which lies inside field `f`.
    void occurrence(const char *data, qsizetype size, qsizetype at, const text::FieldSpan &f);
    // The last field that held subject `number`; begin is -1 when none did.
    const text::FieldSpan &lastField(int number) const { return m_seen[size_t(number)]; }

private:
    struct Shape {
        qsizetype anchorAt;
        qsizetype length;
    };
    // The classes of `count` bytes (at most 8) as one word; `readable` bytes
    // may be read from `bytes`.
    quint64 word(const uchar *bytes, qsizetype count, qsizetype readable) const;
    quint64 hash(const uchar *bytes, size_t shape, qsizetype readable) const;

    const uchar *m_fold;
    const TextFinder &m_anchor;
    bool m_asciiSimple = false; // the classes of ASCII bytes are their capitals
    std::vector<Shape> m_shapes;
    std::vector<QByteArray> m_subjects;
    std::vector<size_t> m_shapeOf;
    std::vector<quint64> m_keys;
    std::vector<int> m_table; // open addressing: the first subject with a key
    std::vector<int> m_next;  // the next subject with the same key
    std::vector<text::FieldSpan> m_seen;
};

} // namespace veldra::index
