#pragma once

#include "text/FieldScanner.h"

#include <QByteArray>
#include <QByteArrayView>

#include <atomic>
#include <vector>

namespace veldra::index
{

// The block the long subjects' search reads fields by, for automatons of at
// most `batchBytes` of subjects: a subject of at least twice the block is
// long. At the automaton's usual size that leaves the short subjects of 500
// hits less than one automaton holds.
qsizetype LongSubjectBlock(qsizetype batchBytes);

// The last fields of long subjects (fold classes, each at least 2 * `block`
// bytes, `block` a power of two from 4 on), however many and however alike: one pass
// over the fields as long as the shortest of them, last field first, so a
// subject is done once it is found. A field is read by blocks of `block`
// bytes; a subject that occurs holds the first whole block of its occurrence
// as one of its first `block` shifts, and so is found from that block by the
// fingerprint of its shift, or, where the block repeats a period of at most a
// quarter of it, from the edges of the text that repeats it. Fingerprints
// only point at places; every find is compared byte by byte. The work is
// linear in the fields' bytes and the memory a few entries per byte of the
// subjects' first blocks.
//
// For each subject numbered in `which`, (*last)[n] is the last field from
// the read position `from` on that contains it (begin -1 for none).
// `lastOfAll` gets the last field from `from` on. False when stopped.
bool LastFieldsOfLongSubjects(QByteArrayView index, const std::vector<QByteArray> &subjects,
                              const std::vector<size_t> &which, qint64 from, qsizetype block,
                              const std::atomic<bool> *stop, std::vector<text::FieldSpan> *last,
                              text::FieldSpan *lastOfAll);

} // namespace veldra::index
