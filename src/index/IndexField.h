#pragma once

#include <QtGlobal>

// Where ReadTextField's next field lies in the raw bytes of a text file: the
// field is [begin, end) (quotes excluded) and the read after it starts at next.
// Reading from a position is all the state ReadTextField keeps, so a scan may
// start again at any `next` it has seen.
struct FieldSpan {
    qsizetype begin;
    qsizetype end;
    qsizetype next;
};

// The field read at `pos` (< size), split exactly as ReadTextField splits the
// decoded text: the code page has one byte per character.
FieldSpan NextField(const char *data, qsizetype size, qsizetype pos);
