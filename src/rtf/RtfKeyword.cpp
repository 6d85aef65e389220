#include "rtf/RtfKeyword.h"

#include <tuple>
#include <unordered_map>

namespace veldra::rtf
{

namespace
{

using K = RtfKeyword;

const std::unordered_map<std::string_view, RtfKeywordInfo> &Table()
{
    static const std::unordered_map<std::string_view, RtfKeywordInfo> table = [] {
        std::unordered_map<std::string_view, RtfKeywordInfo> t;
        // Destinations written without "\*" whose text is not part of the body.
        for (const char *w : {"object",
                              "header",
                              "headerl",
                              "headerr",
                              "headerf",
                              "footer",
                              "footerl",
                              "footerr",
                              "footerf",
                              "info",
                              "stylesheet",
                              "revtbl",
                              "rsidtbl",
                              "filetbl",
                              "themedata",
                              "colorschememapping",
                              "latentstyles",
                              "datastore",
                              "xmlnstbl",
                              "generator",
                              "shp",
                              "nonshppict",
                              "annotation",
                              "atnid",
                              "atnauthor",
                              "atndate",
                              "atnref",
                              "atrfstart",
                              "atrfend",
                              "bkmkstart",
                              "bkmkend",
                              "xe",
                              "tc",
                              "txe",
                              "rxe",
                              "template",
                              "pgdsctbl",
                              "mmathPr",
                              "docvar",
                              "userprops",
                              "background",
                              "ftnsep",
                              "ftnsepc",
                              "ftncn",
                              "aftnsep",
                              "aftnsepc",
                              "aftncn",
                              "do",
                              "listpicture",
                              "protusertbl",
                              "fontemb",
                              "fontfile",
                              "objdata",
                              "blipuid",
                              "falt",
                              "panose",
                              "fname",
                              "keywords",
                              "comment",
                              "title",
                              "subject",
                              "author",
                              "operator",
                              "doccomm",
                              "company",
                              "category",
                              "manager",
                              "hlinkbase",
                              "passwordhash",
                              "wgrffmtfilter",
                              "mhtmltag",
                              "htmltag",
                              "formfield",
                              "datafield",
                              "expandedcolortbl",
                              "listname",
                              "levelnumbers",
                              "nonesttables",
                              "pnseclvl",
                              "lfolevel"})
            t.emplace(w, RtfKeywordInfo{K::SkipDestination});
        const std::pair<const char *, K> words[] = {
            {"fonttbl", K::FontTable},
            {"colortbl", K::ColorTable},
            {"field", K::Field},
            {"fldinst", K::FieldInstruction},
            {"fldrslt", K::FieldResult},
            {"upr", K::UnicodePair},
            {"ud", K::UnicodePart},
            {"nesttableprops", K::RowProperties},
            {"listtext", K::ListText},
            {"pntext", K::ListText},
            {"listtable", K::ListTable},
            {"list", K::List},
            {"listlevel", K::ListLevel},
            {"leveltext", K::LevelText},
            {"listoverridetable", K::ListOverrideTable},
            {"listoverride", K::ListOverride},
            {"pn", K::Pn},
            {"pict", K::Picture},
            {"shppict", K::ShapePicture},
            {"footnote", K::Footnote},
            {"ftnalt", K::Endnote},
            {"deftab", K::DefaultTab},
            {"rtf", K::Rtf},
            {"ansi", K::Ansi},
            {"mac", K::Mac},
            {"pc", K::Pc},
            {"pca", K::Pca},
            {"ansicpg", K::AnsiCodePage},
            {"deff", K::DefaultFont},
            {"fcharset", K::FontCharset},
            {"cpg", K::FontCodePage},
            {"red", K::Red},
            {"green", K::Green},
            {"blue", K::Blue},
            {"u", K::Unicode},
            {"uc", K::UnicodeSkip},
            {"bin", K::Binary},
            {"plain", K::Plain},
            {"b", K::Bold},
            {"i", K::Italic},
            {"ulnone", K::UnderlineNone},
            {"strike", K::Strike},
            {"striked", K::Strike},
            {"fs", K::FontSize},
            {"f", K::Font},
            {"cf", K::Foreground},
            {"cb", K::Background},
            {"highlight", K::Background},
            {"chcbpat", K::Background},
            {"super", K::Superscript},
            {"sub", K::Subscript},
            {"nosupersub", K::NoSuperSub},
            {"up", K::Up},
            {"dn", K::Down},
            {"v", K::Hidden},
            {"caps", K::AllCaps},
            {"scaps", K::SmallCaps},
            {"pard", K::ParagraphDefault},
            {"ql", K::AlignLeft},
            {"qc", K::AlignCentre},
            {"qr", K::AlignRight},
            {"qj", K::AlignJustify},
            {"qd", K::AlignJustify},
            {"li", K::LeftIndent},
            {"lin", K::LeftIndent},
            {"ri", K::RightIndent},
            {"rin", K::RightIndent},
            {"fi", K::FirstIndent},
            {"sb", K::SpaceBefore},
            {"sa", K::SpaceAfter},
            {"tx", K::TabStop},
            {"rtlpar", K::RightToLeft},
            {"ltrpar", K::LeftToRight},
            {"intbl", K::InTable},
            {"itap", K::TableLevel},
            {"ls", K::ListNumber},
            {"ilvl", K::ListLevelNumber},
            {"trowd", K::RowDefaults},
            {"cellx", K::CellRight},
            {"clcbpat", K::CellShading},
            {"trleft", K::RowLeft},
            {"trgaph", K::RowGap},
            {"brdrnone", K::BorderNone},
            {"brdrnil", K::BorderNone},
            {"brdrw", K::BorderWidth},
            {"brdrcf", K::BorderColour},
            {"listid", K::ListId},
            {"levelnfc", K::LevelFormat},
            {"levelnfcn", K::LevelFormat},
            {"levelstartat", K::LevelStart},
            {"levelfollow", K::LevelFollow},
            {"pnstart", K::PnStart},
            {"pnf", K::PnFont},
            {"picw", K::PictureWidth},
            {"pich", K::PictureHeight},
            {"picwgoal", K::PictureGoalWidth},
            {"pichgoal", K::PictureGoalHeight},
            {"picscalex", K::PictureScaleX},
            {"picscaley", K::PictureScaleY},

            {"par", K::Paragraph},
            {"sect", K::Paragraph},
            {"page", K::Paragraph},
            {"line", K::Line},
            {"tab", K::Tab},
            {"cell", K::Cell},
            {"nestcell", K::NestCell},
            {"row", K::Row},
            {"nestrow", K::NestRow},
            {"chftn", K::FootnoteMark},
        };
        for (const auto &w : words)
            t.emplace(w.first, RtfKeywordInfo{w.second});
        // All underline styles show as a plain underline.
        for (const char *w :
             {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth", "ulthd", "ulthdash",
              "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"})
            t.emplace(w, RtfKeywordInfo{K::Underline});
        const std::pair<const char *, char16_t> chars[] = {
            {"emdash", u'\u2014'},  {"endash", u'\u2013'},    {"bullet", u'\u2022'},    {"lquote", u'\u2018'},
            {"rquote", u'\u2019'},  {"ldblquote", u'\u201C'}, {"rdblquote", u'\u201D'}, {"emspace", u'\u2003'},
            {"enspace", u'\u2002'}, {"qmspace", u'\u2005'},   {"zwj", u'\u200D'},       {"zwnj", u'\u200C'},
            {"zwbo", u'\u200B'},    {"zwnbo", u'\uFEFF'},     {"ltrmark", u'\u200E'},   {"rtlmark", u'\u200F'},
        };
        for (const auto &c : chars)
            t.emplace(c.first, RtfKeywordInfo{K::Character, c.second});
        // Words whose variant is carried in the character slot.
        const std::tuple<const char *, K, char16_t> variants[] = {
            {"pntxtb", K::PnText, 0},          {"pntxta", K::PnText, 1},           {"brdrt", K::ParagraphBorder, 0},
            {"brdrl", K::ParagraphBorder, 1},  {"brdrb", K::ParagraphBorder, 2},   {"brdrr", K::ParagraphBorder, 3},
            {"box", K::ParagraphBorder, 4},    {"clmgf", K::CellMerge, 1},         {"clmrg", K::CellMerge, 2},
            {"clvmgf", K::CellMerge, 3},       {"clvmrg", K::CellMerge, 4},        {"clvertalt", K::CellVAlign, 0},
            {"clvertalc", K::CellVAlign, 1},   {"clvertalb", K::CellVAlign, 2},    {"clbrdrt", K::CellBorder, 0},
            {"clbrdrl", K::CellBorder, 1},     {"clbrdrb", K::CellBorder, 2},      {"clbrdrr", K::CellBorder, 3},
            {"clpadl", K::CellPadding, 0},     {"clpadr", K::CellPadding, 1},      {"trbrdrt", K::RowBorder, 0},
            {"trbrdrl", K::RowBorder, 1},      {"trbrdrb", K::RowBorder, 2},       {"trbrdrr", K::RowBorder, 3},
            {"trbrdrh", K::RowBorder, 4},      {"trbrdrv", K::RowBorder, 5},       {"trql", K::RowAlign, 0},
            {"trqc", K::RowAlign, 1},          {"trqr", K::RowAlign, 2},           {"trpaddl", K::RowPadding, 0},
            {"trpaddr", K::RowPadding, 1},     {"brdrs", K::BorderStyle, 0},       {"brdrth", K::BorderStyle, 0},
            {"brdrsh", K::BorderStyle, 0},     {"brdrhair", K::BorderStyle, 0},    {"brdrtriple", K::BorderStyle, 1},
            {"brdrdb", K::BorderStyle, 1},     {"brdrdot", K::BorderStyle, 2},     {"brdrdash", K::BorderStyle, 3},
            {"brdrdashsm", K::BorderStyle, 3}, {"brdrdashd", K::BorderStyle, 3},   {"brdrdashdd", K::BorderStyle, 3},
            {"brdrinset", K::BorderStyle, 0},  {"brdroutset", K::BorderStyle, 0},  {"brdrengrave", K::BorderStyle, 0},
            {"brdremboss", K::BorderStyle, 0}, {"brdrwavy", K::BorderStyle, 0},    {"pnlvlbody", K::PnLevel, 0},
            {"pnlvlblt", K::PnLevel, 1},       {"pnlvl", K::PnLevel, 2},           {"pndec", K::PnFormat, 0},
            {"pnucrm", K::PnFormat, 1},        {"pnlcrm", K::PnFormat, 2},         {"pnucltr", K::PnFormat, 3},
            {"pnlcltr", K::PnFormat, 4},       {"pngblip", K::PictureFormat, 1},   {"jpegblip", K::PictureFormat, 2},
            {"emfblip", K::PictureFormat, 3},  {"wmetafile", K::PictureFormat, 3}, {"pmmetafile", K::PictureFormat, 3},
            {"macpict", K::PictureFormat, 3},  {"dibitmap", K::PictureFormat, 4},  {"wbitmap", K::PictureFormat, 4},
            {"ftnstart", K::NoteStart, 0},     {"aftnstart", K::NoteStart, 1},
        };
        for (const auto &[word, keyword, variant] : variants)
            t.emplace(word, RtfKeywordInfo{keyword, variant});
        // Numbering formats of notes, as \levelnfc numbers; endnotes add 100.
        const std::pair<const char *, char16_t> noteFormats[] = {
            {"ftnnar", 0},    {"ftnnruc", 1},    {"ftnnrlc", 2},    {"ftnnauc", 3},    {"ftnnalc", 4},
            {"aftnnar", 100}, {"aftnnruc", 101}, {"aftnnrlc", 102}, {"aftnnauc", 103}, {"aftnnalc", 104},
        };
        for (const auto &[word, format] : noteFormats)
            t.emplace(word, RtfKeywordInfo{K::NoteFormat, format});
        // Kinds of tab stop, carried in the character slot: 1 centre, 2 right, 3 decimal.
        t.emplace("tqc", RtfKeywordInfo{K::TabKind, 1});
        t.emplace("tqr", RtfKeywordInfo{K::TabKind, 2});
        t.emplace("tqdec", RtfKeywordInfo{K::TabKind, 3});
        return t;
    }();
    return table;
}

} // namespace

RtfKeywordInfo LookupRtfKeyword(std::string_view word)
{
    const auto &t = Table();
    const auto it = t.find(word);
    return it == t.end() ? RtfKeywordInfo{} : it->second;
}

} // namespace veldra::rtf
