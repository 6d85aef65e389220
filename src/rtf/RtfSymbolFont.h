#pragma once

namespace veldra::rtf
{

// Symbol and Wingdings fonts put their own pictures on the byte values; list
// bullets and Greek letters written in them are mapped to the Unicode
// characters they show. Returns 0 for a byte without a known mapping.
char16_t SymbolFontChar(bool wingdings, unsigned char byte);

} // namespace veldra::rtf
