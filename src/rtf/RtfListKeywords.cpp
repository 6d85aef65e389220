#include "rtf/RtfParser.h"

#include <algorithm>

namespace veldra::rtf
{

// Words of list definitions (\listtable, \listoverridetable) and of the
// older \pn numbering.
void RtfParser::listKeyword(const RtfKeywordInfo &kw, int param)
{
    const bool inLevel = m_cur.dest == Dest::ListLevel || m_cur.dest == Dest::ListOverride;
    switch (kw.keyword) {
    case RtfKeyword::ListId:
        if (m_cur.dest == Dest::List)
            m_list.id = param;
        else if (m_cur.dest == Dest::ListOverride)
            m_overrideList = param;
        break;
    case RtfKeyword::LevelFormat:
        if (inLevel) {
            m_level.format = std::clamp(param, 0, 255);
            m_overrideLevel = m_overrideLevel || m_cur.dest == Dest::ListOverride;
        }
        break;
    case RtfKeyword::LevelStart:
        if (inLevel)
            m_level.startAt = std::clamp(param, 0, 32767);
        break;
    case RtfKeyword::LevelFollow:
        if (inLevel)
            m_level.follow = std::clamp(param, 0, 2);
        break;
    case RtfKeyword::PnLevel:
        if (m_cur.dest == Dest::Pn)
            m_pn.bullet = kw.ch == 1;
        break;
    case RtfKeyword::PnFormat:
        if (m_cur.dest == Dest::Pn)
            m_pn.level.format = kw.ch;
        break;
    case RtfKeyword::PnStart:
        if (m_cur.dest == Dest::Pn)
            m_pn.level.startAt = std::clamp(param, 0, 32767);
        break;
    case RtfKeyword::PnFont:
        if (m_cur.dest == Dest::Pn)
            m_cur.chr.font = param;
        break;
    default:
        break;
    }
}

// The end of a list definition, one of its levels, an override or a \pn.
void RtfParser::endList(const Group &closed)
{
    const auto symbol = [this](int font, RtfListLevel &level) {
        const auto it = m_tables.fonts.find(font);
        level.symbolFont = it != m_tables.fonts.end() && it->second.symbol;
        level.wingdings = level.symbolFont && it->second.wingdings;
        // \leveltext starts with its length and ends with ";".
        if (!level.text.isEmpty()) {
            const int length = level.text.at(0).unicode();
            level.text = level.text.mid(1, length);
        }
    };
    switch (closed.dest) {
    case Dest::ListLevel:
        symbol(closed.chr.font, m_level);
        m_level.left = closed.para.left;
        m_level.first = closed.para.first;
        m_level.hasIndent = closed.para.left != 0 || closed.para.first != 0;
        if (m_levelCount < 9)
            m_list.levels[size_t(m_levelCount++)] = m_level;
        break;
    case Dest::List:
        m_lists.addList(m_list);
        break;
    case Dest::ListOverride:
        symbol(closed.chr.font, m_level);
        if (m_overrideLs > 0)
            m_lists.addOverride(m_overrideLs, m_overrideList, m_overrideLevel ? &m_level : nullptr);
        break;
    case Dest::Pn:
        symbol(closed.chr.font, m_pn.level);
        m_cur.para.pn = m_lists.addPn(m_pn);
        break;
    default:
        break;
    }
}

// A list paragraph whose label the document does not give as text gets one
// made from its list: where its first content comes.
void RtfParser::listLabel()
{
    if (m_listTextShown || m_cur.dest != Dest::Text)
        return;
    RtfParaProps &para = m_cur.para;
    QString label;
    if (para.list > 0) {
        int left = para.left;
        int first = para.first;
        label = m_lists.nextLabel(para.list, para.listLevel, &left, &first);
        if (para.left == 0 && para.first == 0) {
            para.left = left;
            para.first = first;
        }
    } else if (para.pn >= 0) {
        label = m_lists.nextPnLabel(para.pn);
    }
    if (label.isEmpty())
        return;
    m_listTextShown = true;
    RtfCharProps chr = m_cur.chr;
    chr.link = -1;
    chr.underline = false;
    m_out.text(QStringView(label), chr);
}

// The text of a \listtext group: shown when it holds a label, dropped when it
// is only white space (an empty label, or a tab where outline numbering has
// no number).
void RtfParser::flushListText()
{
    if (m_listText.empty())
        return;
    const bool blank = std::all_of(m_listText.begin(), m_listText.end(),
                                   [](const auto &run) { return run.first.trimmed().isEmpty(); });
    std::vector<std::pair<QString, RtfCharProps>> runs;
    runs.swap(m_listText);
    if (blank)
        return;
    m_listTextShown = true;
    const Dest dest = m_cur.dest;
    m_cur.dest = Dest::Text;
    const RtfCharProps chr = m_cur.chr;
    for (const auto &[text, props] : runs) {
        m_cur.chr = props;
        routeText(text);
    }
    m_cur.chr = chr;
    m_cur.dest = dest;
}

} // namespace veldra::rtf
