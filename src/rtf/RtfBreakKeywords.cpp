#include "rtf/RtfParser.h"

#include <algorithm>

namespace veldra::rtf
{

// Breaks, table cells and rows, note marks, and the characters written as
// words.
void RtfParser::breakKeyword(const RtfKeywordInfo &kw)
{
    const bool text = m_cur.dest == Dest::Text && !m_cur.hidden;
    switch (kw.keyword) {
    case RtfKeyword::Paragraph:
        paragraph();
        break;
    case RtfKeyword::Line:
        // A line break inside the paragraph, as a text document has it.
        emitChar(u'\u2028');
        break;
    case RtfKeyword::Tab:
        emitChar(u'\t');
        break;
    case RtfKeyword::Cell:
    case RtfKeyword::NestCell:
        if (m_cur.dest == Dest::ListText)
            m_cur.dest = Dest::Text;
        if (m_cur.dest != Dest::Text || m_cur.hidden)
            break;
        flushListText();
        flushMark();
        if (kw.keyword == RtfKeyword::Cell && m_cur.para.tableLevel == 0 && m_out.level() == 0) {
            // A cell outside any table paragraph: shown as a tab, as a plain
            // text reader would.
            ++m_pendingCells;
            break;
        }
        m_out.endCell(kw.keyword == RtfKeyword::Cell ? 1 : std::max<int>(2, m_cur.para.tableLevel), m_cur.para);
        endParagraphState();
        break;
    case RtfKeyword::Row:
    case RtfKeyword::NestRow: {
        if ((m_cur.dest != Dest::Text && m_cur.dest != Dest::RowProperties) || m_cur.hidden)
            break;
        const int level = kw.keyword == RtfKeyword::Row ? 1 : std::max<int>(2, m_cur.para.tableLevel);
        if (m_out.level() >= level) {
            m_pendingCells = 0;
            const RtfRowDef &def = m_rowDefs[size_t(level - 1)];
            const bool start = level == 1 && m_hasStartDef && m_startDef.cells.size() >= def.cells.size();
            m_out.endRow(level, start ? m_startDef : def);
            if (level == 1)
                m_hasStartDef = false;
            endParagraphState();
            break;
        }
        if (kw.keyword == RtfKeyword::Row && m_out.level() == 0) {
            m_pendingCells = 0;
            // Rows of cells shown as tabs end their line.
            if (!m_rowEnded)
                m_out.paragraph(m_cur.para);
            m_rowEnded = true;
        }
        break;
    }
    case RtfKeyword::FootnoteMark:
        if (text)
            footnoteMark();
        break;
    case RtfKeyword::Character:
        emitChar(kw.ch);
        break;
    default:
        break;
    }
}

} // namespace veldra::rtf
