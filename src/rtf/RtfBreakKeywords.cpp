#include "rtf/RtfParser.h"

namespace veldra::rtf
{

// Breaks, table cells and rows, and the characters written as words.
void RtfParser::breakKeyword(const RtfKeywordInfo &kw)
{
    switch (kw.keyword) {
    case RtfKeyword::Paragraph:
    case RtfKeyword::Line:
        paragraph();
        break;
    case RtfKeyword::Tab:
        emitChar(u'\t');
        break;
    case RtfKeyword::Cell:
        if (m_cur.dest == Dest::Text && !m_cur.hidden)
            ++m_pendingCells;
        break;
    case RtfKeyword::Row:
        if ((m_cur.dest == Dest::Text || m_cur.dest == Dest::RowProperties) && !m_cur.hidden) {
            m_pendingCells = 0;
            // A nested row that ends its outer cell ends the outer row too: one line break.
            if (!m_rowEnded)
                m_out.paragraph(m_cur.para);
            m_rowEnded = true;
        }
        break;
    case RtfKeyword::Character:
        emitChar(kw.ch);
        break;
    default:
        break;
    }
}

} // namespace veldra::rtf
