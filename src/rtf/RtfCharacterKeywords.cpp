#include "rtf/RtfParser.h"

#include "rtf/RtfLimits.h"

#include <algorithm>

namespace veldra::rtf
{

// Character formatting of the current group.
void RtfParser::characterKeyword(const RtfKeywordInfo &kw, int param, bool hasParam)
{
    RtfCharProps &chr = m_cur.chr;
    const bool on = !hasParam || param != 0;
    switch (kw.keyword) {
    case RtfKeyword::Plain: {
        const int link = chr.link;
        chr = RtfCharProps();
        chr.font = m_defaultFont;
        chr.link = link;
        m_cur.hidden = false;
        break;
    }
    case RtfKeyword::Bold:
        chr.bold = on;
        break;
    case RtfKeyword::Italic:
        chr.italic = on;
        break;
    case RtfKeyword::Underline:
        chr.underline = on;
        break;
    case RtfKeyword::UnderlineNone:
        chr.underline = false;
        break;
    case RtfKeyword::Strike:
        chr.strike = on;
        break;
    case RtfKeyword::FontSize:
        chr.halfPoints = hasParam && param > 0 ? std::min(param, kMaxHalfPoints) : 24;
        break;
    case RtfKeyword::Font:
        // In the font table the word starts a font's entry.
        if (m_cur.dest == Dest::FontTable) {
            m_fontDef = param;
            m_tables.fonts[param] = RtfFont();
        } else {
            chr.font = param;
        }
        break;
    case RtfKeyword::Foreground:
        chr.foreground = std::max(param, 0);
        break;
    case RtfKeyword::Background:
        chr.background = std::max(param, 0);
        break;
    case RtfKeyword::Superscript:
        chr.vertical = 1;
        break;
    case RtfKeyword::Subscript:
        chr.vertical = -1;
        break;
    case RtfKeyword::NoSuperSub:
        chr.vertical = 0;
        break;
    case RtfKeyword::Up:
        chr.vertical = on ? 1 : 0;
        break;
    case RtfKeyword::Down:
        chr.vertical = on ? -1 : 0;
        break;
    case RtfKeyword::Hidden:
        m_cur.hidden = on;
        break;
    case RtfKeyword::AllCaps:
        chr.caps = on ? 1 : 0;
        break;
    case RtfKeyword::SmallCaps:
        chr.caps = on ? 2 : 0;
        break;
    default:
        break;
    }
}

} // namespace veldra::rtf
