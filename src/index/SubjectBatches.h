#pragma once

#include "text/FieldScanner.h"

#include <QByteArray>
#include <QByteArrayView>

#include <atomic>
#include <vector>

namespace veldra::index
{

class TextFinder;

// The last fields of subjects that together hold more than one automaton
// takes (an index made for it: hundreds of hits of many kilobytes each). They
// go through automatons of at most `batchBytes` of subjects each, longest
// first, one pass over the fields per batch, and a pass looks only at fields
// as long as its batch's shortest subject. A subject longer than a batch
// holds is looked for on its own in the fields as long as it, each folded
// once. So the work is at most one linear pass per `batchBytes` of subjects,
// however alike subjects and records are, and the memory one automaton's.
//
// For each subject (fold classes; an empty one is contained in every field),
// the last field from the read position `from` on that contains it, begin -1
// for none. `anchor` may be null; otherwise every subject contains it. A
// second part starts at `split` (-1 for none). False when stopped.
bool LastFieldsInBatches(QByteArrayView index, const std::vector<QByteArray> &subjects, qint64 from,
                         const TextFinder *anchor, const std::atomic<bool> *stop, qsizetype split, qsizetype batchBytes,
                         std::vector<text::FieldSpan> *last);

} // namespace veldra::index
