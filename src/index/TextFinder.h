#pragma once

#include <QByteArray>

#include <vector>

namespace veldra::index
{

// Finds a text in raw index bytes without case (by fold class, see AnsiFold).
// Positions where both the first and the last character could match are found
// sixteen bytes at a time; only those are compared in full.
// A class as one comparison: a byte is of it when the byte with `bit` set is
// `value` (not usable for a class of other bytes).
struct CasedClass {
    bool usable = false;
    uchar bit = 0;
    uchar value = 0;
};

class TextFinder
{
public:
    TextFinder(const uchar *foldClasses, QByteArray classes);

    qsizetype size() const { return m_classes.size(); }
    const QByteArray &classes() const { return m_classes; }

    // Start of the first occurrence at or after `from`, or `size` when none.
    qsizetype find(const char *data, qsizetype from, qsizetype size) const;

private:
    bool matchesAt(const char *text) const;

    const uchar *m_fold;
    QByteArray m_classes;
    std::vector<char> m_first; // the bytes of the first character's class
    std::vector<char> m_last;  // and of the last's
    std::vector<char> m_wide;  // both, each byte repeated to fill a vector
    CasedClass m_firstCased;
    CasedClass m_lastCased;
};

} // namespace veldra::index
