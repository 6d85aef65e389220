#include "rtf/RtfParser.h"

#include "rtf/RtfSymbolFont.h"

#include <algorithm>

namespace veldra::rtf
{

namespace
{

// Characters that are not plain text for the document: control characters and
// the line and paragraph separators, which a text document would turn into
// breaks of its own.
inline bool IsSpecial(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x2028 || c.unicode() == 0x2029;
}

} // namespace

int RtfParser::codePage()
{
    const int font = (m_cur.dest == Dest::FontTable && m_fontDef >= 0) ? m_fontDef : m_cur.chr.font;
    const auto it = m_tables.fonts.find(font);
    if (it != m_tables.fonts.end()) {
        if (it->second.codePage > 0)
            return it->second.codePage;
        const int cp = RtfCharsetCodePage(it->second.charset);
        if (cp > 0)
            return cp;
    }
    return m_docCodePage;
}

void RtfParser::textByte(char b)
{
    const int cp = codePage();
    bool symbol = false;
    bool wingdings = false;
    if (m_cur.dest == Dest::Text || m_cur.dest == Dest::ListText) {
        const auto it = m_tables.fonts.find(m_cur.chr.font);
        if (it != m_tables.fonts.end() && it->second.symbol) {
            symbol = true;
            wingdings = it->second.wingdings;
        }
    }
    if (!m_bytes.isEmpty() && (cp != m_bytesCodePage || symbol != m_bytesSymbol || wingdings != m_bytesWingdings))
        flushBytes();
    if (m_bytes.isEmpty()) {
        m_bytesCodePage = cp;
        m_bytesSymbol = symbol;
        m_bytesWingdings = wingdings;
    }
    m_bytes.append(b);
}

void RtfParser::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    m_scratch.clear();
    if (m_bytesSymbol) {
        for (const char b : std::as_const(m_bytes)) {
            const char16_t c = SymbolFontChar(m_bytesWingdings, static_cast<unsigned char>(b));
            if (c)
                m_scratch += QChar(c);
            else
                m_codePages.decode(1252, QByteArrayView(&b, 1), m_scratch);
        }
    } else {
        m_codePages.decode(m_bytesCodePage, m_bytes, m_scratch);
    }
    m_bytes.clear();
    const bool special = std::any_of(m_scratch.cbegin(), m_scratch.cend(), [](QChar c) { return IsSpecial(c); });
    if (!special) {
        output(m_scratch);
        return;
    }
    const QString text = m_scratch;
    for (const QChar c : text)
        unicodeChar(c.unicode());
}

void RtfParser::unicodeChar(int value)
{
    if (m_cur.dest == Dest::LevelText) {
        // Characters below 9 stand for level numbers there.
        if (value >= 0 && value <= 0xFFFF && m_level.text.size() < 256)
            m_level.text += QChar(char16_t(value));
        return;
    }
    if (value < 0x20 || value == 0x2028 || value == 0x2029) {
        // Line ends written as characters break the paragraph like \par; other
        // control characters show nothing.
        if (value == '\t')
            emitChar(u'\t');
        else if (value == '\r' || value == '\n' || value == 0x2028 || value == 0x2029)
            paragraph();
        return;
    }
    if (value >= 0xD800 && value <= 0xDBFF) {
        flushSurrogate();
        m_highSurrogate = char16_t(value);
        return;
    }
    if (value >= 0xDC00 && value <= 0xDFFF) {
        if (m_highSurrogate) {
            const QChar pair[2] = {QChar(m_highSurrogate), QChar(char16_t(value))};
            m_highSurrogate = 0;
            routeText(QStringView(pair, 2));
        } else {
            emitChar(u'\uFFFD');
        }
        return;
    }
    if (value < 0 || value > 0x10FFFF) {
        emitChar(u'\uFFFD');
        return;
    }
    if (value >= 0x10000) {
        flushSurrogate();
        const char32_t cp = char32_t(value);
        const QString s = QString::fromUcs4(&cp, 1);
        routeText(s);
        return;
    }
    if (value >= 0xF000 && value <= 0xF0FF && (m_cur.dest == Dest::Text || m_cur.dest == Dest::ListText)) {
        // Symbol fonts put their pictures on U+F0xx in Unicode text as well.
        const auto it = m_tables.fonts.find(m_cur.chr.font);
        if (it != m_tables.fonts.end() && it->second.symbol) {
            const char16_t c = SymbolFontChar(it->second.wingdings, static_cast<unsigned char>(value & 0xFF));
            if (c)
                value = c;
        }
    }
    emitChar(char16_t(value));
}

void RtfParser::flushSurrogate()
{
    if (!m_highSurrogate)
        return;
    m_highSurrogate = 0;
    const QChar r = QChar::ReplacementCharacter;
    routeText(QStringView(&r, 1));
}

void RtfParser::output(QStringView s)
{
    flushSurrogate();
    routeText(s);
}

void RtfParser::emitChar(char16_t c)
{
    const QChar ch(c);
    output(QStringView(&ch, 1));
}

void RtfParser::emitLatin1(QLatin1String s)
{
    flushSurrogate();
    if (m_cur.dest == Dest::Text) {
        if (readyForBodyText())
            m_out.text(s, m_cur.chr);
        return;
    }
    if (m_cur.dest == Dest::Picture) {
        m_picture.appendHex(QByteArrayView(s.data(), s.size()));
        return;
    }
    routeText(QString(s));
}

bool RtfParser::readyForBodyText()
{
    if (m_cur.hidden)
        return false;
    beginContent();
    startCell();
    m_rowEnded = false;
    return true;
}

void RtfParser::startCell()
{
    if (m_pendingCells == 0)
        return;
    const QString tabs(m_pendingCells, QLatin1Char('\t'));
    m_pendingCells = 0;
    m_out.text(QStringView(tabs), m_cur.chr);
}

void RtfParser::beginContent()
{
    flushMark();
    m_out.setLevel(m_cur.para.tableLevel);
    if (!m_paraStarted) {
        m_paraStarted = true;
        flushListText();
        listLabel();
    }
}

void RtfParser::endParagraphState()
{
    if (m_cur.para.list == 0 && m_cur.para.pn < 0)
        m_lists.plainParagraph();
    m_paraStarted = false;
    m_listTextShown = false;
}

void RtfParser::routeText(QStringView s)
{
    switch (m_cur.dest) {
    case Dest::Text:
        if (readyForBodyText())
            m_out.text(s, m_cur.chr);
        break;
    case Dest::FontTable: {
        if (m_fontDef < 0)
            return;
        RtfFont &f = m_tables.fonts[m_fontDef];
        for (const QChar c : s) {
            if (f.named)
                break;
            if (c == QLatin1Char(';')) {
                f.named = true;
                f.name = f.name.trimmed();
                f.wingdings = f.name.startsWith(QLatin1String("Wingdings"), Qt::CaseInsensitive);
            } else {
                f.name += c;
            }
        }
        break;
    }
    case Dest::ColorTable:
        for (const QChar c : s) {
            if (c != QLatin1Char(';'))
                continue;
            m_tables.colours.push_back(m_colourSet ? QColor(m_red, m_green, m_blue) : QColor());
            m_colourSet = false;
            m_red = m_green = m_blue = 0;
        }
        break;
    case Dest::FieldInstruction:
        if (m_cur.field >= 0)
            m_fields[size_t(m_cur.field)].instruction += s;
        break;
    case Dest::ListText:
        if (m_cur.hidden)
            return;
        if (!m_listText.empty() && m_listText.back().second == m_cur.chr)
            m_listText.back().first += s;
        else
            m_listText.emplace_back(s.toString(), m_cur.chr);
        break;
    case Dest::LevelText:
        for (const QChar c : s)
            unicodeChar(c.unicode());
        break;
    case Dest::PnText: {
        QString &t = m_cur.pnText ? m_pn.after : m_pn.before;
        if (t.size() < 32)
            t += s.left(32);
        break;
    }
    case Dest::Picture:
        m_picture.appendHex(s);
        break;
    case Dest::Hidden:
    case Dest::RowProperties:
    case Dest::ListTable:
    case Dest::List:
    case Dest::ListLevel:
    case Dest::ListOverride:
    case Dest::Pn:
        break;
    }
}

void RtfParser::paragraph()
{
    flushSurrogate();
    if (m_cur.dest == Dest::ListText)
        m_cur.dest = Dest::Text; // a writer that puts the whole paragraph into its label group
    if (m_cur.dest != Dest::Text || m_cur.hidden)
        return;
    flushListText(); // a label with nothing after it
    flushMark();
    startCell();
    m_rowEnded = false;
    m_out.setLevel(m_cur.para.tableLevel);
    m_out.paragraph(m_cur.para);
    endParagraphState();
}

} // namespace veldra::rtf
