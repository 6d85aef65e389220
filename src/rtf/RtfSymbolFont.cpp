#include "rtf/RtfSymbolFont.h"

namespace veldra::rtf
{

namespace
{

// Greek letters of the Symbol font, from 'A' to 'Z' and from 'a' to 'z'.
constexpr char16_t kSymbolUpper[26] = {u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι', u'ϑ', u'Κ', u'Λ', u'Μ',
                                       u'Ν', u'Ο', u'Π', u'Θ', u'Ρ', u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ'};
constexpr char16_t kSymbolLower[26] = {u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι', u'ϕ', u'κ', u'λ', u'μ',
                                       u'ν', u'ο', u'π', u'θ', u'ρ', u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ'};

struct Pair {
    unsigned char byte;
    char16_t ch;
};

constexpr Pair kSymbolOther[] = {
    {0x22, u'∀'}, {0x24, u'∃'}, {0x27, u'∋'}, {0x2A, u'∗'}, {0x2D, u'−'}, {0x40, u'≅'}, {0x5C, u'∴'},
    {0x5E, u'⊥'}, {0x7E, u'∼'}, {0xA2, u'′'}, {0xA3, u'≤'}, {0xA5, u'∞'}, {0xAC, u'←'}, {0xAD, u'↑'},
    {0xAE, u'→'}, {0xAF, u'↓'}, {0xB0, u'°'}, {0xB1, u'±'}, {0xB2, u'″'}, {0xB3, u'≥'}, {0xB4, u'×'},
    {0xB5, u'∝'}, {0xB6, u'∂'}, {0xB7, u'•'}, {0xB8, u'÷'}, {0xB9, u'≠'}, {0xBA, u'≡'}, {0xBB, u'≈'},
    {0xBC, u'…'}, {0xD6, u'√'}, {0xD7, u'⋅'}, {0xE5, u'∑'}, {0xF2, u'∫'},
};

constexpr Pair kWingdings[] = {
    {0x6C, u'●'}, {0x6E, u'■'}, {0x71, u'❑'}, {0x76, u'❖'}, {0x9F, u'•'},
    {0xA7, u'▪'}, {0xA8, u'◻'}, {0xD8, u'➢'}, {0xFC, u'✓'},
};

} // namespace

char16_t SymbolFontChar(bool wingdings, unsigned char byte)
{
    if (wingdings) {
        for (const Pair &p : kWingdings)
            if (p.byte == byte)
                return p.ch;
        return 0;
    }
    if (byte >= 'A' && byte <= 'Z')
        return kSymbolUpper[byte - 'A'];
    if (byte >= 'a' && byte <= 'z')
        return kSymbolLower[byte - 'a'];
    for (const Pair &p : kSymbolOther)
        if (p.byte == byte)
            return p.ch;
    return 0;
}

} // namespace veldra::rtf
