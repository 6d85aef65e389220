#include "rtf/RtfParser.h"

#include "rtf/RtfLimits.h"

namespace veldra::rtf
{

// Paragraph formatting: alignment, indents, spacing and tab stops.
void RtfParser::paragraphKeyword(const RtfKeywordInfo &kw, int param)
{
    RtfParaProps &para = m_cur.para;
    switch (kw.keyword) {
    case RtfKeyword::ParagraphDefault:
        para = RtfParaProps();
        break;
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
    default:
        break;
    }
}

} // namespace veldra::rtf
