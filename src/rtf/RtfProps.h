#pragma once

#include <QColor>
#include <QString>

#include <algorithm>
#include <array>
#include <unordered_map>
#include <vector>

namespace veldra::rtf
{

// Character formatting of RTF text as the reader tracks it: indexes into the
// document's font, colour and link tables rather than resolved values, so that
// comparing two of them is cheap.
struct RtfCharProps {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    qint8 vertical = 0; // 0 normal, 1 superscript, -1 subscript
    qint8 caps = 0;     // 0 as written, 1 all capitals, 2 small capitals
    int halfPoints = 24;
    int font = -1;
    int foreground = 0; // colour table index; 0 and unknown indexes are "auto"
    int background = 0;
    int link = -1; // index into RtfTables::links

    bool operator==(const RtfCharProps &o) const
    {
        return bold == o.bold && italic == o.italic && underline == o.underline && strike == o.strike &&
               vertical == o.vertical && caps == o.caps && halfPoints == o.halfPoints && font == o.font &&
               foreground == o.foreground && background == o.background && link == o.link;
    }
    bool operator!=(const RtfCharProps &o) const { return !(*this == o); }
};

// A border line; widths in twips.
struct RtfBorder {
    bool on = false;
    qint8 style = 0; // 0 single, 1 double, 2 dotted, 3 dashed
    int width = 15;
    int colour = 0; // colour table index, 0 is "auto"

    bool operator==(const RtfBorder &o) const
    {
        return on == o.on && style == o.style && width == o.width && colour == o.colour;
    }
};

// Paragraph formatting; lengths in twips.
struct RtfParaProps {
    static constexpr int kMaxTabs = 16;
    struct TabStop {
        int position = 0; // from the left margin
        qint8 kind = 0;   // 0 left, 1 centre, 2 right, 3 decimal
        bool operator==(const TabStop &o) const { return position == o.position && kind == o.kind; }
    };

    qint8 align = 0; // 0 left, 1 centre, 2 right, 3 justified
    bool rtl = false;
    qint8 tableLevel = 0; // 0 outside tables, 1 in a table, 2 in a table in a table...
    qint8 listLevel = 0;  // \ilvl
    int list = 0;         // \ls, 0 for none
    int pn = -1;          // index of a \pn numbering, see RtfLists
    int left = 0;
    int right = 0;
    int first = 0;
    int before = 0;
    int after = 0;
    RtfBorder bottomBorder;
    int tabCount = 0;
    std::array<TabStop, kMaxTabs> tabs{};

    bool operator==(const RtfParaProps &o) const
    {
        return align == o.align && rtl == o.rtl && tableLevel == o.tableLevel && listLevel == o.listLevel &&
               list == o.list && pn == o.pn && left == o.left && right == o.right && first == o.first &&
               before == o.before && after == o.after && bottomBorder == o.bottomBorder && tabCount == o.tabCount &&
               std::equal(tabs.begin(), tabs.begin() + tabCount, o.tabs.begin());
    }
    bool operator!=(const RtfParaProps &o) const { return !(*this == o); }
};

struct RtfFont {
    QString name;
    bool named = false; // the name ended with ";"
    int charset = -1;
    int codePage = 0; // from \cpg, overrides the charset
    bool symbol = false;
    bool wingdings = false;
};

// The document's tables, filled while reading.
struct RtfTables {
    std::unordered_map<int, RtfFont> fonts;
    std::vector<QColor> colours; // an invalid colour is "auto"
    std::vector<QString> links;

    QColor colour(int index) const
    {
        return index > 0 && size_t(index) < colours.size() ? colours[size_t(index)] : QColor();
    }
};

} // namespace veldra::rtf
