#include "rtf/RtfKeyword.h"

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
        for (const char *w : {"pict",
                              "object",
                              "header",
                              "headerl",
                              "headerr",
                              "headerf",
                              "footer",
                              "footerl",
                              "footerr",
                              "footerf",
                              "footnote",
                              "info",
                              "stylesheet",
                              "listtable",
                              "listoverridetable",
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
                              "shppict",
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
                              "pn",
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
                              "pntxta",
                              "pntxtb"})
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

            {"par", K::Paragraph},
            {"sect", K::Paragraph},
            {"page", K::Paragraph},
            {"line", K::Line},
            {"tab", K::Tab},
            {"cell", K::Cell},
            {"nestcell", K::Cell},
            {"row", K::Row},
            {"nestrow", K::Row},
            {"chftn", K::Nothing},
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
