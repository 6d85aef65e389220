#include "rtf/RtfParser.h"

#include "rtf/RtfField.h"

namespace veldra::rtf
{

// Words that decide where the text of their group goes: the font and colour
// tables, the parts of a field, Unicode alternatives and hidden destinations.
void RtfParser::destinationKeyword(const RtfKeywordInfo &kw, int /*param*/)
{
    switch (kw.keyword) {
    case RtfKeyword::SkipDestination:
        skipGroup();
        break;
    case RtfKeyword::FontTable:
        m_cur.dest = Dest::FontTable;
        break;
    case RtfKeyword::ColorTable:
        m_cur.dest = Dest::ColorTable;
        m_colourSet = false;
        m_red = m_green = m_blue = 0;
        break;
    case RtfKeyword::Field:
        m_fields.emplace_back();
        m_cur.field = int(m_fields.size() - 1);
        m_cur.outerDest = m_cur.dest;
        break;
    case RtfKeyword::FieldInstruction:
        if (m_cur.field < 0) {
            m_fields.emplace_back();
            m_cur.field = int(m_fields.size() - 1);
            m_cur.outerDest = m_cur.dest;
        }
        m_cur.dest = Dest::FieldInstruction;
        break;
    case RtfKeyword::FieldResult:
        if (m_cur.field >= 0) {
            m_cur.dest = m_cur.outerDest;
            const int link = fieldLink(m_cur.field);
            if (link >= 0)
                m_cur.chr.link = link;
        }
        break;
    case RtfKeyword::UnicodePair:
        m_cur.outerDest = m_cur.dest;
        m_cur.dest = Dest::Hidden;
        break;
    case RtfKeyword::RowProperties:
        m_cur.dest = Dest::RowProperties;
        break;
    case RtfKeyword::UnicodePart:
        if (m_cur.dest == Dest::Hidden)
            m_cur.dest = m_cur.outerDest;
        break;
    default:
        break;
    }
}

int RtfParser::fieldLink(int field)
{
    Field &f = m_fields[size_t(field)];
    if (f.link == -2) {
        const QString target = HyperlinkTarget(f.instruction);
        if (target.isEmpty()) {
            f.link = -1;
        } else {
            m_tables.links.push_back(target);
            f.link = int(m_tables.links.size() - 1);
        }
    }
    return f.link;
}

} // namespace veldra::rtf
