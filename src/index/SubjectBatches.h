#pragma once

#include "text/FieldScanner.h"

#include <QByteArray>
#include <QByteArrayView>

#include <atomic>
#include <vector>

namespace veldra::index
{

class TextFinder;

constexpr qsizetype kLeastBatchBytes = 64;

// The last fields of subjects that together hold more than one automaton
// takes (an index made for it: hundreds of hits of many kilobytes each).
// Subjects of at least two blocks (LongSubjectBlock) are found in one pass
// by LongSubjects, the others go through automatons of at most `batchBytes`
// (at least kLeastBatchBytes) of subjects each, longest first, one pass over
// the fields per batch, a pass looking only at fields as long as its batch's
// shortest subject. With automatons of the usual size, the short subjects of
// 500 hits fit one, so the work is at most three linear passes however alike
// subjects and records are, and the memory one automaton's.
//
// For each subject (fold classes; an empty one is contained in every field),
// the last field from the read position `from` on that contains it, begin -1
// for none. `anchor` may be null; otherwise every subject contains it. A
// second part starts at `split` (-1 for none). False when stopped.
bool LastFieldsInBatches(QByteArrayView index, const std::vector<QByteArray> &subjects, qint64 from,
                         const TextFinder *anchor, const std::atomic<bool> *stop, qsizetype split, qsizetype batchBytes,
                         std::vector<text::FieldSpan> *last);

} // namespace veldra::index
