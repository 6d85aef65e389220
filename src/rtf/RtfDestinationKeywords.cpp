#include "rtf/RtfParser.h"

#include "rtf/RtfField.h"

namespace veldra::rtf
{

void RtfParser::openDest(Dest dest)
{
    m_cur.dest = dest;
    m_cur.opensDest = true;
}

// Words that decide where the text of their group goes: the font and colour
// tables, the parts of a field, Unicode alternatives, lists, pictures, notes
// and hidden destinations.
void RtfParser::destinationKeyword(const RtfKeywordInfo &kw)
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
    case RtfKeyword::ListText:
        // Its text joins a label still waiting for its paragraph.
        if (m_cur.dest == Dest::Text && !m_cur.hidden)
            openDest(Dest::ListText);
        break;
    case RtfKeyword::ListTable:
        m_cur.dest = Dest::ListTable;
        break;
    case RtfKeyword::List:
        if (m_cur.dest == Dest::ListTable) {
            m_list = RtfList();
            m_levelCount = 0;
            openDest(Dest::List);
        }
        break;
    case RtfKeyword::ListLevel:
        if (m_cur.dest == Dest::List) {
            m_level = RtfListLevel();
            m_cur.para = RtfParaProps();
            m_cur.chr.font = -1;
            openDest(Dest::ListLevel);
        }
        break;
    case RtfKeyword::LevelText:
        if (m_cur.dest == Dest::ListLevel || m_cur.dest == Dest::ListOverride) {
            m_level.text.clear();
            openDest(Dest::LevelText);
        }
        break;
    case RtfKeyword::ListOverrideTable:
        m_cur.dest = Dest::ListTable;
        break;
    case RtfKeyword::ListOverride:
        if (m_cur.dest == Dest::ListTable) {
            m_overrideLs = 0;
            m_overrideList = 0;
            m_overrideLevel = false;
            m_level = RtfListLevel();
            openDest(Dest::ListOverride);
        }
        break;
    case RtfKeyword::Pn:
        if (m_cur.dest == Dest::Text) {
            m_pn = RtfPn();
            m_cur.chr.font = -1;
            openDest(Dest::Pn);
        }
        break;
    case RtfKeyword::PnText:
        if (m_cur.dest == Dest::Pn) {
            m_cur.pnText = qint8(kw.ch);
            (kw.ch ? m_pn.after : m_pn.before).clear();
            openDest(Dest::PnText);
        }
        break;
    case RtfKeyword::Picture:
        if (m_cur.dest == Dest::Text && !m_cur.hidden) {
            m_picture = RtfPictureData();
            openDest(Dest::Picture);
        } else {
            skipGroup();
        }
        break;
    case RtfKeyword::ShapePicture:
        break; // its \pict is read like any other
    case RtfKeyword::Footnote:
        if (m_cur.dest == Dest::Text && !m_cur.hidden && !m_cur.opensNote)
            beginNote();
        else
            skipGroup();
        break;
    default:
        break;
    }
}

// The end of a group that opened a destination or a note.
void RtfParser::endDestination(const Group &closed)
{
    if (closed.opensNote) {
        endNote(closed);
        return;
    }
    switch (closed.dest) {
    case Dest::ListText:
        // A label before its paragraph's content waits for that content: the
        // words that follow the label may still put the paragraph into a
        // table cell (AbiWord resets the paragraph between the two).
        if (m_paraStarted)
            flushListText();
        break;
    case Dest::List:
    case Dest::ListLevel:
    case Dest::ListOverride:
    case Dest::Pn:
        endList(closed);
        break;
    case Dest::Picture:
        endPicture();
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
