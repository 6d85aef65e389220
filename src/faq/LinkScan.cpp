#include "faq/LinkScan.h"

#include <QTextBlock>
#include <QTextDocument>

namespace veldra::faq
{

using document::LinkRange;

namespace
{

// Adds [from, to) to ranges that arrive in ascending order of their starts.
void Extend(std::vector<LinkRange> &ranges, int from, int to)
{
    if (from >= to)
        return;
    if (!ranges.empty() && from <= ranges.back().to)
        ranges.back().to = qMax(ranges.back().to, to);
    else
        ranges.push_back({from, to});
}

// The first place at or after `from` where `prefix` starts, letter case ignored
// as QString's search ignores it, or -1. The prefixes of links start with a
// letter, and a character that is not one of that letter's two cases cannot
// start a match: checking for them is several times faster than the general
// search, which folds the case of every character.
qsizetype Find(QStringView text, qsizetype from, const QString &prefix)
{
    const char16_t first = prefix.front().toCaseFolded().unicode();
    if (first < u'a' || first > u'z')
        return text.indexOf(prefix, from, Qt::CaseInsensitive);
    const QChar *chars = text.data();
    for (qsizetype i = from, last = text.size() - prefix.size(); i <= last; ++i) {
        const char16_t c = chars[i].unicode();
        if (c < 0x80 ? (c | 0x20) != first : QChar::toCaseFolded(char32_t(c)) != first)
            continue;
        if (text.sliced(i, prefix.size()).compare(prefix, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

// Adds the links of `text`, which starts at position `base`, looking for
// matches from index `from` on.
void Scan(QStringView text, int base, qsizetype from, const QString &prefix, LinkScan &scan)
{
    if (prefix.isEmpty())
        return;
    // Where the link of the last match ends. Matches only move forward, and so
    // does the search for the ends: every character is looked at once.
    qsizetype end = -1;
    for (qsizetype at = Find(text, from, prefix); at >= 0; at = Find(text, at + 1, prefix)) {
        if (end < at) {
            end = at;
            while (end < text.size() && text[end] != u' ' && text[end] != u'\n' && text[end] != QChar::LineSeparator)
                ++end;
        }
        Extend(scan.ranges, base + int(at), base + int(end));
        scan.lastMatch = base + int(at);
    }
}

} // namespace

LinkScan ScanLinks(const QTextDocument &doc, const QString &prefix)
{
    LinkScan scan;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const int base = block.position();
        Scan(block.text(), base, base == 0 ? 1 : 0, prefix, scan);
    }
    return scan;
}

LinkScan ScanLinks(QStringView text, const QString &prefix)
{
    Q_ASSERT(!prefix.contains(u'\n'));
    LinkScan scan;
    Scan(text, 0, 1, prefix, scan);
    return scan;
}

void ScanLinks(QStringView piece, int base, const QString &prefix, LinkScan &scan)
{
    Q_ASSERT(!prefix.contains(u'\n') && !prefix.contains(u' '));
    Scan(piece, base, base == 0 ? 1 : 0, prefix, scan);
}

std::vector<LinkRange> UniteRanges(const std::vector<LinkRange> &a, const std::vector<LinkRange> &b)
{
    std::vector<LinkRange> out;
    out.reserve(a.size() + b.size());
    auto i = a.begin();
    auto j = b.begin();
    while (i != a.end() || j != b.end()) {
        const bool fromA = j == b.end() || (i != a.end() && i->from <= j->from);
        const LinkRange r = fromA ? *i++ : *j++;
        Extend(out, r.from, r.to);
    }
    return out;
}

} // namespace veldra::faq
