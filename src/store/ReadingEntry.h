#pragma once

#include <QDateTime>
#include <QString>

namespace veldra::store
{

// A document in the reading history (when it was last read) or a bookmark
// (when it was added).
struct ReadingEntry {
    QString fileName;
    QString subject;
    QDateTime when;
};

} // namespace veldra::store
