#pragma once

#include <string_view>

namespace veldra::rtf
{

// The RTF control words the reader acts on. Words not listed are ignored.
// The words are ordered by group (see RtfKeywordGroupOf): a new word goes
// inside its group's range.
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
    Rtf, // the header word: nothing to do
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
    Binary, // handled while reading the word
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

// The groups of words, each handled by a part of the parser of its own.
enum class RtfKeywordGroup {
    None,        // ignored
    Destination, // where the text that follows goes
    Document,    // code pages, font and colour table entries, Unicode
    Character,   // character formatting
    Paragraph,   // paragraph formatting
    Break,       // breaks, cells, rows and named characters
};

constexpr RtfKeywordGroup RtfKeywordGroupOf(RtfKeyword k)
{
    if (k >= RtfKeyword::SkipDestination && k <= RtfKeyword::RowProperties)
        return RtfKeywordGroup::Destination;
    if (k >= RtfKeyword::Ansi && k <= RtfKeyword::UnicodeSkip)
        return RtfKeywordGroup::Document;
    if (k >= RtfKeyword::Plain && k <= RtfKeyword::SmallCaps)
        return RtfKeywordGroup::Character;
    if (k >= RtfKeyword::ParagraphDefault && k <= RtfKeyword::TabKind)
        return RtfKeywordGroup::Paragraph;
    if (k >= RtfKeyword::Paragraph && k <= RtfKeyword::Character)
        return RtfKeywordGroup::Break;
    return RtfKeywordGroup::None;
}

struct RtfKeywordInfo {
    RtfKeyword keyword = RtfKeyword::Unknown;
    char16_t ch = 0; // for RtfKeyword::Character
};

RtfKeywordInfo LookupRtfKeyword(std::string_view word);

} // namespace veldra::rtf
