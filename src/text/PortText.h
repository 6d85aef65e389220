#pragma once

#include <QString>

namespace veldra::text
{

// A port box's text as the number it starts with, written back as plain decimal
// text: blanks, tabs and line feeds are dropped wherever they stand; then an
// optional sign, digits, a decimal point with digits and an exponent (E or D)
// are read, or a hexadecimal (&H) or octal (&O) number. Reading stops at the
// first character that cannot continue the number, and no number gives "0".
// A fraction is kept and no range is checked.
QString PortText(const QString &text);

} // namespace veldra::text
