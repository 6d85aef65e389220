#pragma once

#include <string_view>

namespace veldra::rtf
{

// The RTF control words the reader acts on. Words not listed are ignored.
// The words are ordered by group (see RtfKeywordGroupOf): a new word goes
// inside its group's range.
enum class RtfKeyword {
    Unknown,
    // destinations
    SkipDestination, // a destination whose content is never shown
    FontTable,
    ColorTable,
    Field,
    FieldInstruction,
    FieldResult,
    UnicodePair,   // \upr
    UnicodePart,   // \ud
    RowProperties, // \nesttableprops, which holds the end of a nested row
    ListText,      // \listtext, \pntext: a list label written as text
    ListTable,
    List,
    ListLevel,
    LevelText,
    ListOverrideTable,
    ListOverride,
    Pn,           // \pn: a paragraph's numbering, the older way
    PnText,       // \pntxtb, \pntxta: ch 0 before, 1 after
    Picture,      // \pict
    ShapePicture, // \shppict: holds the \pict that newer readers show
    Footnote,     // \footnote
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
    NoteFormat, // \ftnnar...: ch numbering format, +100 for endnotes
    NoteStart,  // \ftnstart, \aftnstart: ch 0 footnotes, 1 endnotes
    Endnote,    // \ftnalt: the note being read is an endnote
    DefaultTab, // \deftab
    Binary,     // handled while reading the word
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
    RightToLeft,
    LeftToRight,
    InTable,         // \intbl
    TableLevel,      // \itap
    ListNumber,      // \ls
    ListLevelNumber, // \ilvl
    ParagraphBorder, // \brdrt, \brdrb...: ch side, 0 top, 1 left, 2 bottom, 3 right, 4 all (\box)
    // tables and borders
    RowDefaults,  // \trowd
    CellRight,    // \cellx
    CellMerge,    // \clmgf, \clmrg, \clvmgf, \clvmrg: ch 1, 2, 3, 4
    CellVAlign,   // \clvertalt, c, b: ch 0, 1, 2
    CellShading,  // \clcbpat
    CellBorder,   // \clbrdrt, l, b, r: ch 0, 1, 2, 3
    CellPadding,  // \clpadl, \clpadr: ch 0, 1
    RowBorder,    // \trbrdrt, l, b, r, h, v: ch 0 to 5
    RowLeft,      // \trleft
    RowGap,       // \trgaph
    RowAlign,     // \trql, \trqc, \trqr: ch 0, 1, 2
    RowPadding,   // \trpaddl, \trpaddr: ch 0, 1
    BorderStyle,  // \brdrs...: ch style
    BorderNone,   // \brdrnone, \brdrnil
    BorderWidth,  // \brdrw
    BorderColour, // \brdrcf
    // lists
    ListId,
    LevelFormat, // \levelnfc
    LevelStart,  // \levelstartat
    LevelFollow, // \levelfollow
    PnLevel,     // \pnlvlbody, \pnlvlblt, \pnlvlN: ch 0 body, 1 bullet, 2 outline
    PnFormat,    // \pndec...: ch a \levelnfc format
    PnStart,
    PnFont, // \pnf
    // pictures
    PictureFormat, // \pngblip...: ch 1 PNG, 2 JPEG, 3 metafile, 4 other
    PictureWidth,
    PictureHeight,
    PictureGoalWidth,
    PictureGoalHeight,
    PictureScaleX,
    PictureScaleY,
    // breaks and characters
    Paragraph,
    Line,
    Tab,
    Cell,
    NestCell,
    Row,
    NestRow,
    FootnoteMark, // \chftn
    Character,    // a named character, see RtfKeywordInfo::ch
};

// The groups of words, each handled by a part of the parser of its own.
enum class RtfKeywordGroup {
    None,        // ignored
    Destination, // where the text that follows goes
    Document,    // code pages, font and colour table entries, Unicode, notes
    Character,   // character formatting
    Paragraph,   // paragraph formatting
    Table,       // table rows, cells and borders
    List,        // list definitions and numbering
    Picture,     // picture properties
    Break,       // breaks, cells, rows, marks and named characters
};

constexpr RtfKeywordGroup RtfKeywordGroupOf(RtfKeyword k)
{
    if (k >= RtfKeyword::SkipDestination && k <= RtfKeyword::Footnote)
        return RtfKeywordGroup::Destination;
    if (k >= RtfKeyword::Ansi && k <= RtfKeyword::DefaultTab)
        return RtfKeywordGroup::Document;
    if (k >= RtfKeyword::Plain && k <= RtfKeyword::SmallCaps)
        return RtfKeywordGroup::Character;
    if (k >= RtfKeyword::ParagraphDefault && k <= RtfKeyword::ParagraphBorder)
        return RtfKeywordGroup::Paragraph;
    if (k >= RtfKeyword::RowDefaults && k <= RtfKeyword::BorderColour)
        return RtfKeywordGroup::Table;
    if (k >= RtfKeyword::ListId && k <= RtfKeyword::PnFont)
        return RtfKeywordGroup::List;
    if (k >= RtfKeyword::PictureFormat && k <= RtfKeyword::PictureScaleY)
        return RtfKeywordGroup::Picture;
    if (k >= RtfKeyword::Paragraph && k <= RtfKeyword::Character)
        return RtfKeywordGroup::Break;
    return RtfKeywordGroup::None;
}

struct RtfKeywordInfo {
    RtfKeyword keyword = RtfKeyword::Unknown;
    char16_t ch = 0; // a character, or the variant of the word
};

RtfKeywordInfo LookupRtfKeyword(std::string_view word);

} // namespace veldra::rtf
