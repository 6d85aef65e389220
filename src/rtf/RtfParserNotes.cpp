#include "rtf/RtfParser.h"

namespace veldra::rtf
{

// Footnotes and endnotes. A note's mark (\chftn) stands just before the note
// group, and the note says only inside whether it is an endnote: the mark is
// written when its note ends and its number is known.

QString RtfParser::noteNumber(bool endnote, int n) const
{
    const int format = m_noteFormat[endnote ? 1 : 0];
    const QString number = RtfLists::FormatNumber(n, format);
    return number.isEmpty() ? QString::number(n) : number;
}

void RtfParser::footnoteMark()
{
    RtfCharProps props = m_cur.chr;
    props.vertical = 1;
    if (m_cur.opensNote || m_noteDepth > 0) {
        // The note's own number, at the start of its text.
        const int kind = m_noteIsEndnote ? 1 : 0;
        const QString number = noteNumber(m_noteIsEndnote, m_noteStart[kind] + m_notes[kind]);
        m_noteHasMark = true;
        beginContent();
        m_out.text(QStringView(number), props);
        return;
    }
    flushMark();
    m_markPending = true;
    m_markProps = props;
}

// A mark that no note followed: it numbers the next footnote. Content inside
// the note that follows a mark does not count.
void RtfParser::flushMark()
{
    if (!m_markPending || m_noteDepth > 0)
        return;
    m_markPending = false;
    const QString number = noteNumber(false, m_noteStart[0] + m_notes[0]);
    beginContent();
    m_out.text(QStringView(number), m_markProps);
}

void RtfParser::beginNote()
{
    flushListText(); // a label waiting for its paragraph stays outside the note
    m_cur.opensNote = true;
    ++m_noteDepth;
    m_noteIsEndnote = false;
    m_noteHasMark = false;
    m_savedParaStarted = m_paraStarted;
    m_savedListTextShown = m_listTextShown;
    m_paraStarted = false;
    m_listTextShown = false;
    // A note starts outside tables and lists, wherever its mark stands.
    m_cur.para.tableLevel = 0;
    m_cur.para.list = 0;
    m_cur.para.pn = -1;
    m_out.beginNote();
}

void RtfParser::endNote(const Group &closed)
{
    --m_noteDepth;
    flushListText();
    const int kind = m_noteIsEndnote ? 1 : 0;
    const QString number = noteNumber(m_noteIsEndnote, m_noteStart[kind] + m_notes[kind]);
    ++m_notes[kind];
    RtfCharProps markProps = closed.chr;
    markProps.vertical = 1;
    m_out.endNote(m_noteIsEndnote, m_noteHasMark ? QString() : number + QLatin1Char(' '), markProps, closed.para);
    m_paraStarted = m_savedParaStarted;
    m_listTextShown = m_savedListTextShown;
    if (m_markPending) {
        m_markPending = false;
        beginContent();
        m_out.text(QStringView(number), m_markProps);
    }
}

} // namespace veldra::rtf
