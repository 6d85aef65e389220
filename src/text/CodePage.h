#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace veldra::text
{

// Text files are single-byte Windows-1252 text; these convert to and from it.
// A character that has no byte in the code page is written as "?".
QString DecodeAnsi(QByteArrayView bytes);
QByteArray EncodeAnsi(QStringView text);

} // namespace veldra::text
