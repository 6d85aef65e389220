#include "rtf/RtfTableWriter.h"

#include "rtf/RtfContent.h"
#include "rtf/RtfTextWriter.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>

namespace veldra::rtf
{

namespace
{

constexpr size_t kMaxColumns = 64;
constexpr int kDefaultCellWidth = 1440; // twips, for cells that no \cellx gives

qreal Px(int twips)
{
    return qreal(twips) / 15;
}

// A cell as it is placed in the grid.
struct Placed {
    int row = 0;
    int column = 0;
    int rowSpan = 1;
    int columnSpan = 1;
    const RtfCellDef *def = nullptr;
    const RtfRowDef *rowDef = nullptr;
    std::vector<const RtfContent *> contents;
};

// The right edge of every cell of a row, in twips; cells beyond the
// definitions get a default width.
std::vector<int> CellEdges(const RtfRow &row)
{
    std::vector<int> edges;
    const size_t count = std::max(row.cells.size(), row.def.cells.size());
    int previous = row.def.left;
    for (size_t i = 0; i < count; ++i) {
        int right = i < row.def.cells.size() && row.def.cells[i].hasRight ? row.def.cells[i].right
                                                                          : previous + kDefaultCellWidth;
        right = std::max(right, previous + 15); // edges only go right
        edges.push_back(right);
        previous = right;
    }
    return edges;
}

size_t NearestEdge(const std::vector<int> &edges, int x)
{
    const auto it = std::lower_bound(edges.begin(), edges.end(), x);
    if (it == edges.end())
        return edges.size() - 1;
    if (it == edges.begin())
        return 0;
    return (x - *(it - 1) <= *it - x) ? size_t(it - edges.begin() - 1) : size_t(it - edges.begin());
}

QTextFrameFormat::BorderStyle BorderStyle(qint8 style)
{
    switch (style) {
    case 1:
        return QTextFrameFormat::BorderStyle_Double;
    case 2:
        return QTextFrameFormat::BorderStyle_Dotted;
    case 3:
        return QTextFrameFormat::BorderStyle_Dashed;
    default:
        return QTextFrameFormat::BorderStyle_Solid;
    }
}

QTextTableCellFormat CellFormat(const Placed &p, int rows, int columns, const RtfTables &tables)
{
    QTextTableCellFormat fmt;
    const RtfRowDef &row = *p.rowDef;
    const int gap = std::clamp(row.gap, 0, 1440);
    const int padLeft = p.def && p.def->padLeft >= 0 ? p.def->padLeft : row.padLeft >= 0 ? row.padLeft : gap;
    const int padRight = p.def && p.def->padRight >= 0 ? p.def->padRight : row.padRight >= 0 ? row.padRight : gap;
    fmt.setLeftPadding(Px(padLeft));
    fmt.setRightPadding(Px(padRight));
    fmt.setTopPadding(1);
    fmt.setBottomPadding(1);
    // Each side: the cell's own border, or else the row's outer or inner one.
    const bool first = p.row == 0;
    const bool last = p.row + p.rowSpan >= rows;
    const bool leftmost = p.column == 0;
    const bool rightmost = p.column + p.columnSpan >= columns;
    const RtfBorder *rowSide[4] = {&row.borders[first ? 0 : 4], &row.borders[leftmost ? 1 : 5],
                                   &row.borders[last ? 2 : 4], &row.borders[rightmost ? 3 : 5]};
    for (int side = 0; side < 4; ++side) {
        const RtfBorder &b = p.def && p.def->bordersSet[size_t(side)] ? p.def->borders[size_t(side)] : *rowSide[side];
        const qreal width = b.on ? std::max<qreal>(1, Px(std::clamp(b.width, 0, 150))) : 0;
        const QColor c = tables.colour(b.colour);
        const QBrush brush(c.isValid() ? c : QColor(Qt::black));
        const QTextFrameFormat::BorderStyle style = b.on ? BorderStyle(b.style) : QTextFrameFormat::BorderStyle_None;
        switch (side) {
        case 0:
            fmt.setTopBorder(width), fmt.setTopBorderBrush(brush), fmt.setTopBorderStyle(style);
            break;
        case 1:
            fmt.setLeftBorder(width), fmt.setLeftBorderBrush(brush), fmt.setLeftBorderStyle(style);
            break;
        case 2:
            fmt.setBottomBorder(width), fmt.setBottomBorderBrush(brush), fmt.setBottomBorderStyle(style);
            break;
        default:
            fmt.setRightBorder(width), fmt.setRightBorderBrush(brush), fmt.setRightBorderStyle(style);
            break;
        }
    }
    if (p.def) {
        const QColor shading = tables.colour(p.def->shading);
        if (shading.isValid())
            fmt.setBackground(shading);
        static constexpr QTextCharFormat::VerticalAlignment kAlign[] = {
            QTextCharFormat::AlignTop, QTextCharFormat::AlignMiddle, QTextCharFormat::AlignBottom};
        fmt.setVerticalAlignment(kAlign[std::clamp<int>(p.def->vAlign, 0, 2)]);
    }
    return fmt;
}

} // namespace

void WriteTable(RtfTextWriter &writer, const RtfTable &table)
{
    if (table.rows.empty())
        return;
    // The grid's edges, in twips.
    std::vector<std::vector<int>> rowEdges;
    std::vector<int> edges;
    for (const RtfRow &row : table.rows) {
        rowEdges.push_back(CellEdges(row));
        edges.push_back(row.def.left);
        edges.insert(edges.end(), rowEdges.back().begin(), rowEdges.back().end());
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    if (edges.size() > kMaxColumns + 1) {
        // Hostile or odd edges: keep an even sample, cells snap to the nearest.
        std::vector<int> sample;
        for (size_t i = 0; i <= kMaxColumns; ++i)
            sample.push_back(edges[i * (edges.size() - 1) / kMaxColumns]);
        edges = sample;
    }
    if (edges.size() < 2)
        edges.push_back(edges.front() + kDefaultCellWidth);
    const int columns = int(edges.size() - 1);
    const int rows = int(table.rows.size());

    // Place the cells; merged ones widen or lengthen the cell they join.
    std::vector<Placed> placed;
    std::vector<std::vector<int>> owner(size_t(rows), std::vector<int>(size_t(columns), -1));
    for (int r = 0; r < rows; ++r) {
        const RtfRow &row = table.rows[size_t(r)];
        int left = row.def.left;
        int previous = -1;
        for (size_t i = 0; i < rowEdges[size_t(r)].size(); ++i) {
            const RtfCellDef *def = i < row.def.cells.size() ? &row.def.cells[i] : nullptr;
            const RtfContent *content = i < row.cells.size() ? &row.cells[i] : nullptr;
            const int right = rowEdges[size_t(r)][i];
            int start = int(NearestEdge(edges, left));
            int end = int(NearestEdge(edges, right));
            left = right;
            const int from = previous >= 0 ? placed[size_t(previous)].column + placed[size_t(previous)].columnSpan : 0;
            start = std::max(start, from);
            end = std::max(end, start + 1);
            if (start >= columns || (def && def->hMerge == 2 && previous >= 0)) {
                // Joins the cell on its left.
                if (previous >= 0) {
                    Placed &p = placed[size_t(previous)];
                    const int newEnd = std::min(end, columns);
                    bool free = true;
                    for (int c = p.column + p.columnSpan; c < newEnd; ++c)
                        free = free && owner[size_t(r)][size_t(c)] < 0 && p.rowSpan == 1;
                    if (free && newEnd > p.column + p.columnSpan) {
                        for (int c = p.column + p.columnSpan; c < newEnd; ++c)
                            owner[size_t(r)][size_t(c)] = previous;
                        p.columnSpan = newEnd - p.column;
                    }
                    if (content)
                        p.contents.push_back(content);
                }
                continue;
            }
            end = std::min(end, columns);
            if (def && def->vMerge == 2 && r > 0) {
                const int above = owner[size_t(r - 1)][size_t(start)];
                if (above >= 0) {
                    Placed &p = placed[size_t(above)];
                    bool fits = p.column == start && p.row + p.rowSpan == r && p.column + p.columnSpan == end;
                    for (int c = start; fits && c < end; ++c)
                        fits = owner[size_t(r)][size_t(c)] < 0;
                    if (fits) {
                        ++p.rowSpan;
                        for (int c = start; c < end; ++c)
                            owner[size_t(r)][size_t(c)] = above;
                        if (content)
                            p.contents.push_back(content);
                        previous = above;
                        continue;
                    }
                }
            }
            Placed p;
            p.row = r;
            p.column = start;
            p.columnSpan = end - start;
            p.def = def;
            p.rowDef = &row.def;
            if (content)
                p.contents.push_back(content);
            previous = int(placed.size());
            for (int c = start; c < end; ++c)
                owner[size_t(r)][size_t(c)] = previous;
            placed.push_back(std::move(p));
        }
    }

    QTextTableFormat format;
    format.setBorderCollapse(true);
    format.setBorder(0);
    format.setCellSpacing(0);
    format.setCellPadding(0);
    format.setMargin(0);
    const RtfRowDef &firstRow = table.rows.front().def;
    qreal margin = Px(std::clamp(firstRow.left + firstRow.gap, 0, 31680));
    if (firstRow.align == 1)
        format.setAlignment(Qt::AlignHCenter);
    else if (firstRow.align == 2)
        format.setAlignment(Qt::AlignRight);
    std::vector<qreal> columnWidths;
    qreal total = margin;
    for (int c = 0; c < columns; ++c) {
        columnWidths.push_back(Px(edges[size_t(c) + 1] - edges[size_t(c)]));
        total += columnWidths.back();
    }
    // A table in a cell fits the cell: AbiWord gives a nested table the
    // edges it would have on the page.
    const qreal room = writer.room();
    if (room > 0 && total > room) {
        const qreal scale = room / total;
        margin *= scale;
        for (qreal &w : columnWidths)
            w *= scale;
    }
    format.setLeftMargin(margin);
    QList<QTextLength> widths;
    for (const qreal w : columnWidths)
        widths.append(QTextLength(QTextLength::FixedLength, w));
    format.setColumnWidthConstraints(widths);

    QTextCursor at = writer.objectPosition();
    QTextTable *qtable = at.insertTable(rows, columns, format);
    const RtfTables &tables = writer.tables();
    for (const Placed &p : placed) {
        if (p.rowSpan > 1 || p.columnSpan > 1)
            qtable->mergeCells(p.row, p.column, p.rowSpan, p.columnSpan);
        QTextTableCell cell = qtable->cellAt(p.row, p.column);
        const QTextTableCellFormat cellFormat = CellFormat(p, rows, columns, tables);
        cell.setFormat(cellFormat);
        writer.continueAt(cell.firstCursorPosition());
        qreal cellRoom =
            -cellFormat.leftPadding() - cellFormat.rightPadding() - cellFormat.leftBorder() - cellFormat.rightBorder();
        for (int c = p.column; c < p.column + p.columnSpan; ++c)
            cellRoom += columnWidths[size_t(c)];
        writer.setRoom(std::max<qreal>(cellRoom, 1));
        for (const RtfContent *content : p.contents) {
            writer.breakParagraph();
            writer.write(*content);
        }
        writer.setRoom(room);
    }
    QTextCursor after(writer.document());
    after.setPosition(qtable->lastPosition() + 1);
    writer.continueAt(after);
}

} // namespace veldra::rtf
