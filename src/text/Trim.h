#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace veldra::text
{

// A blank is a space or a tab: what a field reader skips before a field.
inline bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

inline bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Spaces (and only spaces) at both ends removed: server names, search texts and
// subjects keep their tabs and inner spaces.
QString TrimSpaces(QStringView text);
QByteArrayView TrimSpaces(QByteArrayView bytes);

// Spaces and tabs at both ends removed, as the header reader treats them alike.
QString TrimBlanks(QStringView text);

// True when the text holds nothing but spaces (or nothing at all).
bool IsAllSpaces(QStringView text);

} // namespace veldra::text
