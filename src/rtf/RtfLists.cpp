#include "rtf/RtfLists.h"

#include "rtf/RtfSymbolFont.h"

#include <algorithm>

namespace veldra::rtf
{

namespace
{

QString Roman(int n, bool upper)
{
    static const std::pair<int, const char *> kParts[] = {{1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"},
                                                          {90, "xc"},  {50, "l"},   {40, "xl"}, {10, "x"},   {9, "ix"},
                                                          {5, "v"},    {4, "iv"},   {1, "i"}};
    QString out;
    for (const auto &[value, text] : kParts) {
        while (n >= value) {
            out += QLatin1String(text);
            n -= value;
        }
    }
    return upper ? out.toUpper() : out;
}

// a, b, ... z, aa, bb, ... as word processors count in letters.
QString Letters(int n, bool upper)
{
    const QChar letter(char16_t((upper ? u'A' : u'a') + (n - 1) % 26));
    return QString((n - 1) / 26 + 1, letter);
}

QString Bullet(const RtfListLevel &level, const QString &text)
{
    if (!level.symbolFont)
        return text;
    // A symbol font's characters are bytes, or U+F0xx in Unicode text;
    // other Unicode characters are what they are.
    QString out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool symbol = u < 0x100 || (u >= 0xF000 && u <= 0xF0FF);
        const char16_t mapped = symbol ? SymbolFontChar(level.wingdings, static_cast<unsigned char>(u & 0xFF)) : 0;
        out += mapped ? QChar(mapped) : c;
    }
    return out;
}

QString Separator(int follow)
{
    return follow == 1 ? QStringLiteral(" ") : follow == 2 ? QString() : QStringLiteral("\t");
}

} // namespace

QString RtfLists::FormatNumber(int n, int format)
{
    switch (format) {
    case 1:
    case 2:
        if (n > 0 && n < 4000)
            return Roman(n, format == 1);
        break;
    case 3:
    case 4:
        if (n > 0 && n <= 26 * 100)
            return Letters(n, format == 3);
        break;
    case 22:
        return n < 10 && n >= 0 ? QLatin1Char('0') + QString::number(n) : QString::number(n);
    case 23:
    case 255:
        return QString();
    default:
        break;
    }
    return QString::number(n);
}

void RtfLists::addList(const RtfList &list)
{
    if (m_lists.size() < kMaxLists || m_lists.count(list.id))
        m_lists[list.id] = list;
}

void RtfLists::addOverride(int ls, int listId, const RtfListLevel *ownLevel)
{
    if (m_overrides.size() >= kMaxLists && !m_overrides.count(ls))
        return;
    Override &o = m_overrides[ls];
    o.listId = listId;
    o.hasOwnLevel = ownLevel != nullptr;
    if (ownLevel)
        o.ownLevel = *ownLevel;
}

int RtfLists::addPn(const RtfPn &pn)
{
    // Each numbered paragraph repeats its \pn: equal ones are one numbering.
    for (size_t i = m_pns.size(); i-- > 0 && i + 8 >= m_pns.size();)
        if (m_pns[i] == pn)
            return int(i);
    if (m_pns.size() >= kMaxPns)
        return -1;
    m_pns.push_back(pn);
    m_pnCounts.emplace_back();
    return int(m_pns.size() - 1);
}

QString RtfLists::Label(const std::array<RtfListLevel, 9> &levels, const std::array<int, 9> &counts, int level)
{
    const RtfListLevel &l = levels[size_t(level)];
    if (l.format == 255)
        return QString();
    QString label;
    for (const QChar c : l.text) {
        if (c.unicode() < 9)
            label += FormatNumber(counts[c.unicode()], levels[c.unicode()].format);
        else
            label += c;
    }
    label = Bullet(l, label);
    if (label.trimmed().isEmpty())
        return QString();
    return label + Separator(l.follow);
}

QString RtfLists::nextLabel(int ls, int level, int *left, int *first)
{
    const auto o = m_overrides.find(ls);
    if (o == m_overrides.end())
        return QString();
    Override &over = o->second;
    std::array<RtfListLevel, 9> levels{};
    const auto list = m_lists.find(over.listId);
    if (list != m_lists.end())
        levels = list->second.levels;
    else if (!over.hasOwnLevel)
        return QString();
    level = std::clamp(level, 0, 8);
    if (over.hasOwnLevel)
        levels[size_t(level)] = over.ownLevel;
    if (m_counts.size() >= kMaxLists && !m_counts.count(over.listId))
        return QString();
    Counts &c = m_counts[over.listId];
    // Levels above that never had an item count as their first number.
    for (size_t l = 0; l < size_t(level); ++l) {
        if (!c.started[l]) {
            c.started[l] = true;
            c.counts[l] = levels[l].startAt;
        }
    }
    const size_t at = size_t(level);
    c.counts[at] = c.started[at] ? c.counts[at] + 1 : levels[at].startAt;
    c.started[at] = true;
    for (size_t l = at + 1; l < 9; ++l)
        c.started[l] = false;
    const RtfListLevel &own = levels[size_t(level)];
    if (own.hasIndent) {
        *left = own.left;
        *first = own.first;
    }
    return Label(levels, c.counts, level);
}

QString RtfLists::nextPnLabel(int pn)
{
    if (pn < 0 || size_t(pn) >= m_pns.size())
        return QString();
    const RtfPn &p = m_pns[size_t(pn)];
    PnCount &count = m_pnCounts[size_t(pn)];
    // Numbering goes on over the paragraphs of other numberings, and starts
    // again after a paragraph without any.
    count.count = count.lastParagraph == m_paragraph ? count.count + 1 : p.level.startAt;
    count.lastParagraph = m_paragraph;
    QString label = p.bullet ? QString() : FormatNumber(count.count, p.level.format);
    label = Bullet(p.level, p.before) + label + Bullet(p.level, p.after);
    if (label.trimmed().isEmpty())
        return QString();
    return label + QLatin1Char('\t');
}

} // namespace veldra::rtf
