#pragma once

#include "text/FieldScanner.h"

namespace veldra::text
{

// Tells which of ReadTextField's fields a byte belongs to, for bytes asked
// about in increasing order, without splitting all the fields in between.
// Where no double quote comes between, a field starts right after the nearest
// comma or line end before it. Every double quote is looked at once, in order:
// one that opens a quoted field moves where the following fields lie.
class FieldLocator
{
public:
    // `start` is a position a read starts at (0, or the `next` of a field).
    FieldLocator(const char *data, qsizetype size, qsizetype start);

    // The field whose read covers `pos` (0 <= pos < size, not less than the
    // position asked about before): pos lies in [readStart(), span.next), and
    // inside the field's text when it lies in [span.begin, span.end).
    const FieldSpan &fieldAt(qsizetype pos);
    qsizetype readStart() const { return m_lastStart; }
    // Whether a read starts at `pos` (not less than the position asked about
    // before), without moving on.
    bool startsReadAt(qsizetype pos) const
    {
        FieldLocator probe = *this;
        probe.fieldAt(pos);
        return probe.readStart() == pos;
    }

private:
    qsizetype readStartFor(qsizetype pos) const;

    const char *m_data;
    qsizetype m_size;
    qsizetype m_cursor;    // where the next read starts
    qsizetype m_quote = 0; // the first double quote at or after m_cursor, once looked up
    qsizetype m_lastStart;
    FieldSpan m_last;
};

} // namespace veldra::text
