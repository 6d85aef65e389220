#pragma once

#include <string_view>

namespace veldra::rtf
{

// The RTF control words the reader acts on. Words not listed are ignored.
enum class RtfKeyword {
    Unknown,
    // destinations whose content is never shown
    SkipDestination,
    FontTable,
    ColorTable,
    Field,
    FieldInstruction,
    FieldResult,
    UnicodePair,   // \upr
    UnicodePart,   // \ud
    RowProperties, // \nesttableprops, which holds the end of a nested row
    // document
    Rtf,
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    FontCharset,
    FontCodePage,
    Red,
    Green,
    Blue,
    Unicode,
    UnicodeSkip,
    Binary,
    // character formatting
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    FontSize,
    Font,
    Foreground,
    Background,
    Superscript,
    Subscript,
    NoSuperSub,
    Up,
    Down,
    Hidden,
    AllCaps,
    SmallCaps,
    // paragraph formatting
    ParagraphDefault,
    AlignLeft,
    AlignCentre,
    AlignRight,
    AlignJustify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    TabStop,
    TabKind, // \tqc, \tqr, \tqdec: the kind of the next tab stop
    // breaks and characters
    Paragraph,
    Line,
    Tab,
    Cell,
    Row,
    Character, // a named character, see RtfKeywordChar
    Nothing,   // a word that shows nothing, such as a footnote mark
};

struct RtfKeywordInfo {
    RtfKeyword keyword = RtfKeyword::Unknown;
    char16_t ch = 0; // for RtfKeyword::Character
};

RtfKeywordInfo LookupRtfKeyword(std::string_view word);

} // namespace veldra::rtf
