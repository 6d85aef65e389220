#pragma once

#include <QtGlobal>

namespace veldra::text
{

// The one field scanner of every text file reader. A text file is read as a
// sequence of fields: blanks before a field are skipped; a field in double
// quotes keeps its commas and line breaks and loses the quotes; any other field
// runs to the next comma or line end (CR LF, CR or LF), which is consumed with
// it. The code page has one byte per character, so byte positions are character
// positions.
//
// Where the next field lies in the raw bytes: the field is [begin, end) (quotes
// excluded) and the read after it starts at next. Reading from a position is
// all the state a reader keeps, so a scan may start again at any `next` it has
// seen.
struct FieldSpan {
    qsizetype begin;
    qsizetype end;
    qsizetype next;
};

// The field read at `pos` (pos >= size gives an empty field at the end).
FieldSpan NextField(const char *data, qsizetype size, qsizetype pos);

} // namespace veldra::text
