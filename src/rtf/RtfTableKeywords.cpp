#include "rtf/RtfParser.h"

#include "rtf/RtfLimits.h"

#include <algorithm>

namespace veldra::rtf
{

// The border that the border words (\brdrs, \brdrw...) describe now, or null.
RtfBorder *RtfParser::border()
{
    switch (m_borderTarget) {
    case BorderTarget::Paragraph:
        return m_borderSide == 2 || m_borderSide == 4 ? &m_cur.para.bottomBorder : nullptr;
    case BorderTarget::Cell:
        m_cellDef.bordersSet[size_t(m_borderSide)] = true;
        return &m_cellDef.borders[size_t(m_borderSide)];
    case BorderTarget::Row:
        return &m_rowDefs[size_t(m_defLevel - 1)].borders[size_t(m_borderSide)];
    case BorderTarget::None:
        break;
    }
    return nullptr;
}

// Table row definitions: \trowd starts one, each \cellx ends the definition
// of a cell with the cell words before it. Inside \nesttableprops they define
// a row of the nested table the paragraph is in.
void RtfParser::tableKeyword(const RtfKeywordInfo &kw, int param)
{
    RtfRowDef &row = m_rowDefs[size_t(m_defLevel - 1)];
    switch (kw.keyword) {
    case RtfKeyword::RowDefaults:
        m_defLevel = m_cur.dest == Dest::RowProperties ? std::max<int>(2, m_cur.para.tableLevel) : 1;
        if (m_defLevel == 1 && m_out.rowStarted(1)) {
            // A definition repeated at the row's end: the one before its
            // cells may say more (some writers repeat only the widths).
            m_startDef = m_rowDefs[0];
            m_hasStartDef = true;
        }
        m_rowDefs[size_t(m_defLevel - 1)] = RtfRowDef();
        m_cellDef = RtfCellDef();
        m_borderTarget = BorderTarget::None;
        break;
    case RtfKeyword::CellRight:
        m_cellDef.right = Twips(param);
        m_cellDef.hasRight = true;
        if (row.cells.size() < RtfRowDef::kMaxCells)
            row.cells.push_back(m_cellDef);
        m_cellDef = RtfCellDef();
        m_borderTarget = BorderTarget::None;
        break;
    case RtfKeyword::CellMerge:
        if (kw.ch <= 2)
            m_cellDef.hMerge = qint8(kw.ch);
        else
            m_cellDef.vMerge = qint8(kw.ch - 2);
        break;
    case RtfKeyword::CellVAlign:
        m_cellDef.vAlign = qint8(kw.ch);
        break;
    case RtfKeyword::CellShading:
        m_cellDef.shading = std::max(param, 0);
        break;
    case RtfKeyword::CellBorder:
        m_borderTarget = BorderTarget::Cell;
        m_borderSide = kw.ch;
        border()->on = true;
        break;
    case RtfKeyword::CellPadding:
        (kw.ch ? m_cellDef.padRight : m_cellDef.padLeft) = std::clamp(param, 0, 1440);
        break;
    case RtfKeyword::RowBorder:
        m_borderTarget = BorderTarget::Row;
        m_borderSide = kw.ch;
        border()->on = true;
        break;
    case RtfKeyword::RowLeft:
        row.left = Twips(param);
        break;
    case RtfKeyword::RowGap:
        row.gap = std::clamp(param, 0, 1440);
        break;
    case RtfKeyword::RowAlign:
        row.align = qint8(kw.ch);
        break;
    case RtfKeyword::RowPadding:
        (kw.ch ? row.padRight : row.padLeft) = std::clamp(param, 0, 1440);
        break;
    case RtfKeyword::BorderStyle:
        if (RtfBorder *b = border()) {
            b->on = true;
            b->style = qint8(kw.ch);
        }
        break;
    case RtfKeyword::BorderNone:
        if (RtfBorder *b = border())
            b->on = false;
        break;
    case RtfKeyword::BorderWidth:
        if (RtfBorder *b = border())
            b->width = std::clamp(param, 0, 255);
        break;
    case RtfKeyword::BorderColour:
        if (RtfBorder *b = border())
            b->colour = std::max(param, 0);
        break;
    default:
        break;
    }
}

} // namespace veldra::rtf
