#include "rtf/RtfParser.h"

#include <algorithm>

namespace veldra::rtf
{

// Words that set up how the document's bytes are read: the code page, the
// entries of the font and colour tables, Unicode characters, and how notes
// are numbered.
void RtfParser::documentKeyword(const RtfKeywordInfo &kw, int param, bool hasParam)
{
    switch (kw.keyword) {
    case RtfKeyword::Ansi:
        m_docCodePage = 1252;
        break;
    case RtfKeyword::Mac:
        m_docCodePage = 10000;
        break;
    case RtfKeyword::Pc:
        m_docCodePage = 437;
        break;
    case RtfKeyword::Pca:
        m_docCodePage = 850;
        break;
    case RtfKeyword::AnsiCodePage:
        m_docCodePage = hasParam && param > 0 ? param : 1252;
        break;
    case RtfKeyword::DefaultFont:
        m_defaultFont = param;
        if (m_stack.size() <= 1)
            m_cur.chr.font = param;
        break;
    case RtfKeyword::FontCharset:
        if (m_cur.dest == Dest::FontTable && m_fontDef >= 0) {
            RtfFont &f = m_tables.fonts[m_fontDef];
            f.charset = param;
            f.symbol = param == 2;
        }
        break;
    case RtfKeyword::FontCodePage:
        if (m_cur.dest == Dest::FontTable && m_fontDef >= 0)
            m_tables.fonts[m_fontDef].codePage = std::max(param, 0);
        break;
    case RtfKeyword::Red:
    case RtfKeyword::Green:
    case RtfKeyword::Blue:
        if (m_cur.dest == Dest::ColorTable) {
            const int v = std::clamp(param, 0, 255);
            (kw.keyword == RtfKeyword::Red ? m_red : kw.keyword == RtfKeyword::Green ? m_green : m_blue) = v;
            m_colourSet = true;
        }
        break;
    case RtfKeyword::Unicode:
        if (hasParam) {
            unicodeChar(param < 0 ? param + 65536 : param);
            m_skip = m_cur.uc;
        }
        break;
    case RtfKeyword::UnicodeSkip:
        m_cur.uc = hasParam ? std::clamp(param, 0, 0xFFFF) : 1;
        break;
    case RtfKeyword::NoteFormat:
        m_noteFormat[kw.ch >= 100 ? 1 : 0] = kw.ch % 100;
        break;
    case RtfKeyword::NoteStart:
        m_noteStart[kw.ch ? 1 : 0] = std::clamp(param, 0, 32767);
        break;
    case RtfKeyword::DefaultTab:
        if (param > 0)
            m_out.setDefaultTab(std::min(param, 31680));
        break;
    case RtfKeyword::Endnote:
        m_noteIsEndnote = true;
        break;
    default:
        break;
    }
}

} // namespace veldra::rtf
