#pragma once

#include "rtf/RtfProps.h"

#include <QString>
#include <QTextImageFormat>

#include <array>
#include <memory>
#include <vector>

namespace veldra::rtf
{

struct RtfTable;

// Content kept back before it goes into the document: the cells of a table
// until the table is complete, and the notes until the end of the text.
struct RtfItem {
    enum class Kind : quint8 {
        Text,          // `text` in `chr`
        Paragraph,     // a paragraph ends with `para`
        LastParagraph, // the last paragraph of a cell or note ends with `para`
        Picture,       // `picture`
        Table,         // `table`
        Rule,          // a thin rule across the page, in a paragraph of its own
    };
    Kind kind = Kind::Text;
    QString text;
    RtfCharProps chr;
    RtfParaProps para;
    QTextImageFormat picture;
    std::unique_ptr<RtfTable> table;
};

struct RtfContent {
    std::vector<RtfItem> items;
    bool isEmpty() const { return items.empty(); }
};

// One cell as a row definition gives it (\clmgf ... \cellx); lengths in twips.
struct RtfCellDef {
    int right = 0; // \cellx: the cell's right edge
    bool hasRight = false;
    qint8 hMerge = 0; // 1 first of merged cells, 2 merged into the cell on the left
    qint8 vMerge = 0; // 1 first of merged cells, 2 merged into the cell above
    qint8 vAlign = 0; // 0 top, 1 centre, 2 bottom
    int shading = 0;  // \clcbpat colour index, 0 none
    int padLeft = -1; // \clpadl, twips; -1 when not given
    int padRight = -1;
    std::array<RtfBorder, 4> borders{}; // top, left, bottom, right
    std::array<bool, 4> bordersSet{};
};

// A row definition (\trowd ... \cellx).
struct RtfRowDef {
    static constexpr size_t kMaxCells = 63;
    std::vector<RtfCellDef> cells;
    int left = 0;     // \trleft
    int gap = 0;      // \trgaph: half the space between cells
    int padLeft = -1; // \trpaddl with \trpaddfl3, -1 when not given
    int padRight = -1;
    qint8 align = 0;                    // 0 left, 1 centre, 2 right
    std::array<RtfBorder, 6> borders{}; // \trbrdrt, l, b, r, h, v
};

struct RtfRow {
    RtfRowDef def;
    std::vector<RtfContent> cells;
};

struct RtfTable {
    std::vector<RtfRow> rows;
};

} // namespace veldra::rtf
