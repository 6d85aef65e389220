#pragma once

#include "text/FieldScanner.h"

#include <QByteArray>
#include <QString>

#include <vector>

class QIODevice;

namespace veldra::index
{

using text::FieldSpan;
using text::NextField;

// The most bytes a window grows to for one long field: a field that needs more
// makes the index unreadable rather than the program run out of memory.
constexpr qsizetype kMaxIndexWindow = qsizetype(512) * 1024 * 1024;

// Reads an index a window at a time, as grep reads a file, so that a large
// index is never held in memory whole. A window starts where a read of
// ReadTextField starts; the fields in it are split as if it were the whole
// file, and a field counts only when the window shows where it ends. The scan
// of a window says where the next one starts: at the read of the first field
// it could not finish.
class IndexWindows
{
public:
    IndexWindows(QIODevice &file, qint64 from, qsizetype windowSize);

    // Reads the next window. False when the index is done or cannot be read
    // (see failed()).
    bool read();
    bool failed() const { return m_failed; }

    const char *data() const { return m_buffer.constData(); }
    qsizetype size() const { return m_size; }
    qint64 offset() const { return m_offset; } // of data()[0] in the file
    bool reachesEnd() const { return m_reachesEnd; }
    // Whether the window shows the whole of the field and where the next read starts.
    bool complete(const FieldSpan &f) const { return m_reachesEnd || f.next < m_size; }

    // The next window starts at this read position of the current one (by
    // default, where the current one ends).
    void resumeAt(qsizetype pos) { m_resume = pos; }

private:
    QIODevice &m_file;
    QByteArray m_buffer;
    qint64 m_offset;
    qsizetype m_size = 0;
    qsizetype m_resume = -1;
    bool m_reachesEnd = false;
    bool m_failed = false;
    bool m_started = false;
};

// The last field found for each subject. The server file name (the text
// before the field's first "=") is taken from the window while the window
// still holds the field.
class FoundFields
{
public:
    explicit FoundFields(size_t count)
        : m_found(count)
    {
    }

    void found(size_t subject, const IndexWindows &window, const FieldSpan &field);
    // Takes the file names of the fields found in the current window; call
    // before the next window is read.
    void capture(const IndexWindows &window);
    // Empty when the field has no "=" or nothing was found.
    QString fileName(size_t subject) const;

private:
    struct Found {
        qint64 begin = -1;  // the field's first byte in the file
        qint64 equals = -1; // its first "=", -1 when none
        QByteArray name;
        bool pending = false;
    };
    std::vector<Found> m_found;
    std::vector<size_t> m_pending;
};

} // namespace veldra::index
