#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>

#include <algorithm>
#include <vector>

namespace veldra::index
{

// Tells which of many subjects occur in a field, without case. The subjects are
// given as fold classes (AnsiFold). A field is looked at through a window as
// long as the shortest subject; a table of the folded byte pairs that occur in
// the subjects says how far the window may move on, so most of a field's bytes
// are never compared.
class SubjectMatcher
{
public:
    explicit SubjectMatcher(const uchar *foldClasses)
        : m_fold(foldClasses)
    {
    }

    // Adds a non-empty subject and returns its number; equal subjects share one.
    int add(QByteArrayView classes);
    // Prepares the tables; call once after the last add().
    void build();
    bool isEmpty() const { return m_patterns.empty(); }
    size_t count() const { return m_patterns.size(); }
    // Shortest field that can hold a subject.
    qsizetype minimumLength() const { return m_window; }

    // Calls found(number) for each occurrence of a subject in the field (a
    // subject may be reported more than once).
    template <typename Found> void scan(const uchar *field, qsizetype size, Found &&found) const;
    // Whether a subject may occur in the field: false only when none does. The
    // subjects are not compared, so a long run of alike candidates costs no more.
    bool mayOccur(const uchar *field, qsizetype size) const;

private:
    bool matchesAt(const QByteArray &pattern, const uchar *text) const;

    const uchar *m_fold;
    std::vector<QByteArray> m_patterns;
    QHash<QByteArray, int> m_numbers;
    qsizetype m_window = 0;
    // Keyed by the last two classes in the window (or the one class of a window
    // of one): how far the window may move. Which subjects end their first
    // window with a key is looked up in the subjects sorted by that key, only
    // where the window stops: a table of every key's bucket would cost more to
    // set up than most searches spend scanning.
    std::vector<uchar> m_shift;
    std::vector<unsigned> m_keys; // sorted
    std::vector<int> m_bucket;    // the subjects in the order of their keys
};

inline bool SubjectMatcher::matchesAt(const QByteArray &pattern, const uchar *text) const
{
    const uchar *p = reinterpret_cast<const uchar *>(pattern.constData());
    for (qsizetype i = 0; i < pattern.size(); ++i)
        if (m_fold[text[i]] != p[i])
            return false;
    return true;
}

template <typename Found> void SubjectMatcher::scan(const uchar *field, qsizetype size, Found &&found) const
{
    const qsizetype window = m_window;
    if (window == 0 || size < window)
        return;
    const uchar *fold = m_fold;
    qsizetype last = window - 1; // the window's last byte
    while (last < size) {
        const unsigned key =
            window == 1 ? fold[field[last]] : (unsigned(fold[field[last - 1]]) << 8) | fold[field[last]];
        if (const unsigned shift = m_shift[key]) {
            last += shift;
            continue;
        }
        const qsizetype start = last - window + 1;
        for (auto i = size_t(std::lower_bound(m_keys.begin(), m_keys.end(), key) - m_keys.begin());
             i < m_keys.size() && m_keys[i] == key; ++i) {
            const QByteArray &pattern = m_patterns[size_t(m_bucket[i])];
            if (start + pattern.size() <= size && matchesAt(pattern, field + start))
                found(m_bucket[i]);
        }
        ++last;
    }
}

inline bool SubjectMatcher::mayOccur(const uchar *field, qsizetype size) const
{
    const qsizetype window = m_window;
    if (window == 0 || size < window)
        return false;
    const uchar *fold = m_fold;
    for (qsizetype last = window - 1; last < size;) {
        const unsigned key =
            window == 1 ? fold[field[last]] : (unsigned(fold[field[last - 1]]) << 8) | fold[field[last]];
        const unsigned shift = m_shift[key];
        if (!shift)
            return true;
        last += shift;
    }
    return false;
}

} // namespace veldra::index
