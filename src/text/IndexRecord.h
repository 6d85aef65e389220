#pragma once

#include <QString>

#include <optional>

namespace veldra::text
{

// One record of the server's index is one field: the server file name, "=",
// the subject, "]". The first "=" and the last "]" delimit it, so a file name
// cannot hold "=" while a subject may hold both; anything after the last "]" is
// ignored. A field without "=" or "]", or whose last "]" stands before its
// first "=", is no record.
struct IndexRecordBounds {
    qsizetype equals;  // first "="
    qsizetype bracket; // last "]"
};

template <typename Char> std::optional<IndexRecordBounds> LocateIndexRecord(const Char *field, qsizetype size)
{
    qsizetype equals = 0;
    while (equals < size && field[equals] != Char('='))
        ++equals;
    qsizetype bracket = size - 1;
    while (bracket > equals && field[bracket] != Char(']'))
        --bracket;
    if (equals >= size || bracket <= equals)
        return std::nullopt;
    return IndexRecordBounds{equals, bracket};
}

} // namespace veldra::text
