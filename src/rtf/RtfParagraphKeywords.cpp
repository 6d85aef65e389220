#include "rtf/RtfParser.h"

#include "rtf/RtfLimits.h"

#include <algorithm>

namespace veldra::rtf
{

// Paragraph formatting: alignment, indents, spacing, tab stops, direction,
// borders, and the table and list the paragraph belongs to.
void RtfParser::paragraphKeyword(const RtfKeywordInfo &kw, int param)
{
    RtfParaProps &para = m_cur.para;
    switch (kw.keyword) {
    case RtfKeyword::ParagraphDefault: {
        // A label's own \pard resets its formatting, not the table its
        // paragraph is in; AbiWord puts whole paragraphs of table cells
        // into their label group.
        const qint8 level = m_cur.dest == Dest::ListText ? para.tableLevel : 0;
        para = RtfParaProps();
        para.tableLevel = level;
        if (m_borderTarget == BorderTarget::Paragraph)
            m_borderTarget = BorderTarget::None;
        break;
    }
    case RtfKeyword::AlignLeft:
        para.align = 0;
        break;
    case RtfKeyword::AlignCentre:
        para.align = 1;
        break;
    case RtfKeyword::AlignRight:
        para.align = 2;
        break;
    case RtfKeyword::AlignJustify:
        para.align = 3;
        break;
    case RtfKeyword::LeftIndent:
        para.left = Twips(param);
        break;
    case RtfKeyword::RightIndent:
        para.right = Twips(param);
        break;
    case RtfKeyword::FirstIndent:
        para.first = Twips(param);
        break;
    case RtfKeyword::SpaceBefore:
        para.before = Twips(param);
        break;
    case RtfKeyword::SpaceAfter:
        para.after = Twips(param);
        break;
    case RtfKeyword::TabKind:
        m_tabKind = qint8(kw.ch);
        break;
    case RtfKeyword::TabStop:
        if (para.tabCount < RtfParaProps::kMaxTabs)
            para.tabs[size_t(para.tabCount++)] = {Twips(param), m_tabKind};
        m_tabKind = 0;
        break;
    case RtfKeyword::RightToLeft:
        para.rtl = true;
        break;
    case RtfKeyword::LeftToRight:
        para.rtl = false;
        break;
    case RtfKeyword::InTable:
        para.tableLevel = std::max<qint8>(para.tableLevel, 1);
        break;
    case RtfKeyword::TableLevel:
        para.tableLevel = qint8(std::clamp(param, 0, RtfDocumentBuilder::kMaxTableDepth));
        break;
    case RtfKeyword::ListNumber:
        if (m_cur.dest == Dest::ListOverride)
            m_overrideLs = param;
        else
            para.list = std::max(param, 0);
        break;
    case RtfKeyword::ListLevelNumber:
        para.listLevel = qint8(std::clamp(param, 0, 8));
        break;
    case RtfKeyword::ParagraphBorder:
        // Only the rule under a paragraph is drawn; the words that follow
        // describe this border, or a side that is not drawn.
        m_borderTarget = BorderTarget::Paragraph;
        m_borderSide = kw.ch;
        if (kw.ch == 2 || kw.ch == 4)
            para.bottomBorder = RtfBorder{true};
        break;
    default:
        break;
    }
}

} // namespace veldra::rtf
