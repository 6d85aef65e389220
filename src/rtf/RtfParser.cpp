#include "rtf/RtfParser.h"

#include "rtf/RtfField.h"
#include "rtf/RtfSymbolFont.h"

#include <algorithm>
#include <cstring>

namespace veldra::rtf
{

namespace
{

constexpr int kMaxParameter = 1000000000;
constexpr int kMaxTwips = 31680; // 22 inches: wider indents are broken input
constexpr int kMaxHalfPoints = 3276;
constexpr size_t kMaxWordLength = 32;

inline bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

inline bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

inline int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Bytes that end a run of plain text.
inline bool IsPlainAscii(char c)
{
    return c >= 0x20 && c < 0x7F && c != '\\' && c != '{' && c != '}';
}

// Characters that are not plain text for the document: control characters and
// the line and paragraph separators, which a text document would turn into
// breaks of its own.
inline bool IsSpecial(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x2028 || c.unicode() == 0x2029;
}

inline int Twips(int v)
{
    return std::clamp(v, -kMaxTwips, kMaxTwips);
}

} // namespace

RtfParser::RtfParser(QByteArrayView data, QTextDocument *doc)
    : m_data(data)
    , m_out(doc, m_tables)
{
}

void RtfParser::run()
{
    const qsizetype n = m_data.size();
    while (m_pos < n && !m_ended) {
        switch (m_data[m_pos]) {
        case '{':
            ++m_pos;
            openGroup();
            break;
        case '}':
            ++m_pos;
            closeGroup();
            break;
        case '\\':
            controlWord();
            break;
        case '\r':
        case '\n':
            ++m_pos;
            break;
        default:
            plainText();
            break;
        }
    }
    flushBytes();
    flushSurrogate();
    m_out.finish(m_cur.para);
}

void RtfParser::openGroup()
{
    flushBytes();
    m_skip = 0;
    m_star = false;
    if (m_stack.size() >= kMaxDepth) {
        ++m_flattened;
        return;
    }
    m_stack.push_back(m_cur);
}

bool RtfParser::closeGroup()
{
    flushBytes();
    m_skip = 0;
    m_star = false;
    if (m_flattened > 0) {
        --m_flattened;
        return true;
    }
    if (m_stack.size() <= 1) {
        // The document's own group is closed: whatever follows is not shown.
        m_ended = true;
        return false;
    }
    m_cur = m_stack.back();
    m_stack.pop_back();
    return true;
}

int RtfParser::readParameter(bool *has)
{
    const qsizetype n = m_data.size();
    bool negative = false;
    if (m_pos + 1 < n && m_data[m_pos] == '-' && IsDigit(m_data[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    *has = m_pos < n && IsDigit(m_data[m_pos]);
    long long v = 0;
    while (m_pos < n && IsDigit(m_data[m_pos])) {
        if (v < kMaxParameter)
            v = v * 10 + (m_data[m_pos] - '0');
        ++m_pos;
    }
    v = std::min<long long>(v, kMaxParameter);
    return int(negative ? -v : v);
}

void RtfParser::controlWord()
{
    const qsizetype n = m_data.size();
    if (m_pos + 1 >= n) {
        m_pos = n;
        return;
    }
    const char first = m_data[m_pos + 1];
    if (!IsLetter(first)) {
        m_pos += 2;
        controlSymbol(first);
        return;
    }
    const qsizetype start = m_pos + 1;
    qsizetype end = start;
    while (end < n && IsLetter(m_data[end]))
        ++end;
    m_pos = end;
    bool hasParam = false;
    const int param = readParameter(&hasParam);
    if (m_pos < n && m_data[m_pos] == ' ')
        ++m_pos;

    const size_t length = size_t(end - start);
    const RtfKeywordInfo kw =
        length <= kMaxWordLength ? LookupRtfKeyword(std::string_view(m_data.data() + start, length)) : RtfKeywordInfo{};
    if (kw.keyword == RtfKeyword::Binary) {
        // Raw bytes of a picture or object: never text, whatever they contain.
        const qsizetype count = hasParam ? std::max(param, 0) : 0;
        m_pos += std::min(count, n - m_pos);
        if (m_skip > 0)
            --m_skip;
        return;
    }
    if (m_star) {
        m_star = false;
        if (kw.keyword != RtfKeyword::FieldInstruction && kw.keyword != RtfKeyword::FieldResult &&
            kw.keyword != RtfKeyword::UnicodePart && kw.keyword != RtfKeyword::RowProperties) {
            skipGroup();
            return;
        }
    }
    if (m_skip > 0) {
        --m_skip;
        return;
    }
    flushBytes();
    keyword(kw, param, hasParam);
}

void RtfParser::controlSymbol(char c)
{
    if (c == '\'') {
        hexByte();
        return;
    }
    if (c == '*') {
        m_star = true;
        return;
    }
    m_star = false;
    if (m_skip > 0) {
        --m_skip;
        return;
    }
    flushBytes();
    switch (c) {
    case '\r':
    case '\n':
        paragraph(); // how TextEdit ends its paragraphs
        break;
    case '~':
        emitChar(u'\u00A0');
        break;
    case '-':
        emitChar(u'\u00AD');
        break;
    case '_':
        emitChar(u'\u2011');
        break;
    case '{':
    case '}':
    case '\\':
        emitChar(char16_t(c));
        break;
    case '\t':
        emitChar(u'\t');
        break;
    default:
        break;
    }
}

void RtfParser::hexByte()
{
    const qsizetype n = m_data.size();
    int value = 0;
    int digits = 0;
    bool valid = true;
    // A broken escape such as "\'3?" still takes its two characters, but never
    // a brace or a backslash.
    while (digits < 2 && m_pos < n) {
        const char h = m_data[m_pos];
        if (h == '\\' || h == '{' || h == '}')
            break;
        ++m_pos;
        ++digits;
        const int d = HexValue(h);
        if (d < 0)
            valid = false;
        else
            value = value * 16 + d;
    }
    m_star = false;
    if (m_skip > 0) {
        --m_skip;
        return;
    }
    if (valid && digits == 2)
        textByte(char(value));
}

void RtfParser::plainText()
{
    const qsizetype n = m_data.size();
    const char c = m_data[m_pos];
    m_star = false;
    if (m_skip > 0) {
        ++m_pos;
        --m_skip;
        return;
    }
    if (!IsPlainAscii(c)) {
        ++m_pos;
        if (c == '\t') {
            flushBytes();
            emitChar(u'\t');
        } else if (static_cast<unsigned char>(c) >= 0x80) {
            textByte(c);
        }
        return; // other control characters are noise
    }
    qsizetype end = m_pos + 1;
    while (end < n && IsPlainAscii(m_data[end]))
        ++end;
    const QByteArrayView span = m_data.sliced(m_pos, end - m_pos);
    m_pos = end;
    if (!m_bytes.isEmpty() && (IsDoubleByteCodePage(m_bytesCodePage) || m_bytesCodePage == 65001)) {
        // A double-byte character may have its second byte written as a
        // plain character.
        if (codePage() == m_bytesCodePage) {
            m_bytes.append(span);
            return;
        }
    }
    flushBytes();
    emitLatin1(QLatin1String(span.data(), span.size()));
}

void RtfParser::skipGroup()
{
    if (m_stack.size() < 2 && m_flattened == 0)
        return; // never the document itself
    const qsizetype n = m_data.size();
    int depth = 1;
    while (m_pos < n) {
        const char *p = m_data.data() + m_pos;
        const char *stop = std::find_if(p, m_data.data() + n, [](char c) { return c == '{' || c == '}' || c == '\\'; });
        m_pos = stop - m_data.data();
        if (m_pos >= n)
            break;
        const char c = m_data[m_pos++];
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (--depth == 0) {
                closeGroup();
                return;
            }
        } else if (m_pos < n && IsLetter(m_data[m_pos])) {
            const qsizetype start = m_pos;
            while (m_pos < n && IsLetter(m_data[m_pos]))
                ++m_pos;
            const bool bin = m_pos - start == 3 && std::memcmp(m_data.data() + start, "bin", 3) == 0;
            bool hasParam = false;
            const int param = readParameter(&hasParam);
            if (m_pos < n && m_data[m_pos] == ' ')
                ++m_pos;
            if (bin && hasParam && param > 0)
                m_pos += std::min<qsizetype>(param, n - m_pos);
        } else {
            ++m_pos; // a control symbol such as \{ or \}
        }
    }
    m_pos = n;
}

void RtfParser::keyword(const RtfKeywordInfo &kw, int param, bool hasParam)
{
    RtfCharProps &chr = m_cur.chr;
    RtfParaProps &para = m_cur.para;
    const bool on = !hasParam || param != 0;
    switch (kw.keyword) {
    case RtfKeyword::Unknown:
    case RtfKeyword::Rtf:
    case RtfKeyword::Nothing:
    case RtfKeyword::Binary:
        break;
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
                chr.link = link;
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
            chr.font = param;
        break;
    case RtfKeyword::Font:
        if (m_cur.dest == Dest::FontTable) {
            m_fontDef = param;
            m_tables.fonts[param] = RtfFont();
        } else {
            chr.font = param;
        }
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
    }
}

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
    if (m_cur.dest == Dest::Text) {
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
    if (value >= 0xF000 && value <= 0xF0FF && m_cur.dest == Dest::Text) {
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
        if (m_cur.hidden)
            return;
        startCell();
        m_rowEnded = false;
        m_out.text(s, m_cur.chr);
        return;
    }
    routeText(QString(s));
}

void RtfParser::startCell()
{
    if (m_pendingCells == 0)
        return;
    const QString tabs(m_pendingCells, QLatin1Char('\t'));
    m_pendingCells = 0;
    m_out.text(tabs, m_cur.chr);
}

void RtfParser::routeText(QStringView s)
{
    switch (m_cur.dest) {
    case Dest::Text:
        if (m_cur.hidden)
            return;
        startCell();
        m_rowEnded = false;
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
    case Dest::Hidden:
    case Dest::RowProperties:
        break;
    }
}

void RtfParser::paragraph()
{
    flushSurrogate();
    if (m_cur.dest != Dest::Text || m_cur.hidden)
        return;
    startCell();
    m_rowEnded = false;
    m_out.paragraph(m_cur.para);
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
