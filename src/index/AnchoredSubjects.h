#pragma once

#include "index/IndexWindows.h"
#include "text/FieldLocator.h"

#include <QByteArray>
#include <QByteArrayView>

#include <vector>

class QIODevice;

namespace veldra::index
{

using text::FieldLocator;
class TextFinder;

// Finds the last field that contains each of many subjects when every subject
// contains one text, the anchor (the search text, for the subjects of its hits):
// a subject can only occur where the anchor does, and the few bytes around that
// occurrence pick the subjects that may start there. So only the anchor's
// occurrences are looked at, not every byte of every field.
class AnchoredSubjects
{
public:
    AnchoredSubjects(const uchar *foldClasses, const TextFinder &anchor);

    // Adds a subject (fold classes, not empty). Returns false when it does
    // not contain the anchor; such a subject cannot be found this way.
    bool add(QByteArrayView classes);

    // For each subject in the order added, the server file name that the last
    // field from the read position `from` on that contains it gives. False
    // when the index cannot be read.
    bool fileNames(QIODevice &index, qint64 from, qsizetype windowSize, std::vector<QString> *names);

private:
    struct Subject {
        QByteArray classes;
        qsizetype anchorAt; // the anchor's first occurrence in the subject
    };
    // How many bytes before and after the anchor a group of subjects has for
    // sure (at most kContext each).
    struct Context {
        qsizetype before;
        qsizetype after;
    };
    void buildTable();
    int firstWithKey(quint64 key) const;
    // Records the subjects that occur at the anchor's occurrence `at`. False
    // when one does and its field runs past the window.
    bool match(const IndexWindows &window, FieldLocator &fields, qsizetype at, FoundFields *found) const;

    const uchar *m_fold;
    const TextFinder &m_anchor;
    std::vector<Subject> m_subjects;
    std::vector<Context> m_contexts;
    // The subjects by the key of their context: an open-addressed table of the
    // first subject with a key, and the next subject with the same key.
    std::vector<quint64> m_keys;
    std::vector<int> m_table;
    std::vector<int> m_next;
};

} // namespace veldra::index
