#pragma once

namespace veldra::text
{

// Byte classes of the ASCII part of protocols and file formats, independent of
// the locale (unlike <cctype>) and of the byte's sign.
constexpr bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

constexpr bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The value of a hexadecimal digit, or -1 for any other byte.
constexpr int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace veldra::text
