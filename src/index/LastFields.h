#pragma once

#include "index/SubjectAutomaton.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <atomic>
#include <vector>

namespace veldra::index
{

class TextFinder;

// For each subject (fold classes; an empty one is contained in every field),
// the server file name that the last field from the read position `from` on
// that contains it gives: the text before the field's first "=", or empty text.
// When every subject contains `anchor`, only the fields where it occurs are
// looked at; otherwise only those where a subject may start. False when
// `stop` was set (from any thread) or the index cannot be read. From
// `partBytes` on, a second thread reads the second half. Subjects of more than
// `batchBytes` together are found a batch at a time (SubjectBatches).
bool FileNamesOfLastFields(QByteArrayView index, const std::vector<QByteArray> &subjects, qint64 from,
                           const TextFinder *anchor, const std::atomic<bool> *stop, std::vector<QString> *names,
                           qsizetype partBytes, qsizetype batchBytes = SubjectAutomaton::kMaxBytes);

} // namespace veldra::index
