#include "document/LinkFormat.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <unordered_map>

namespace veldra::document
{

QTextCharFormat WithLink(QTextCharFormat format, const QColor &colour, const QString &href)
{
    if (!format.fontUnderline()) {
        format.setFontUnderline(true);
        format.setProperty(kLinkUnderline, true);
    }
    format.setProperty(kLinkAttribute, true);
    format.setAnchor(true);
    if (!href.isEmpty())
        format.setAnchorHref(href);
    if (colour.isValid())
        format.setForeground(colour);
    return format;
}

QTextCharFormat WithoutLink(QTextCharFormat format)
{
    if (format.boolProperty(kLinkUnderline))
        format.setFontUnderline(false);
    format.clearProperty(kLinkUnderline);
    format.clearProperty(kLinkAttribute);
    format.setAnchor(false);
    format.clearProperty(QTextFormat::AnchorHref);
    return format;
}

namespace
{

// A stretch of one range that had one format before the marking.
struct Piece {
    int from;
    int to;
    int format;
};

// Where every range meets the fragments (stretches of equal formatting) of the
// document. Worked out before anything changes, walking the fragments once:
// marking only changes formats, so the positions stay valid.
std::vector<Piece> PiecesOf(const QTextDocument &doc, const std::vector<LinkRange> &ranges)
{
    std::vector<Piece> pieces;
    pieces.reserve(ranges.size());
    QTextBlock block;
    QTextBlock::iterator it;
    for (const LinkRange &r : ranges) {
        if (r.from >= r.to)
            continue;
        if (!block.isValid() || block.position() + block.length() <= r.from) {
            block = doc.findBlock(r.from);
            it = block.begin();
        }
        while (block.isValid() && block.position() < r.to) {
            for (; !it.atEnd(); ++it) {
                const QTextFragment frag = it.fragment();
                const int fragEnd = frag.position() + frag.length();
                if (fragEnd <= r.from)
                    continue;
                if (frag.position() >= r.to)
                    break;
                pieces.push_back({qMax(r.from, frag.position()), qMin(r.to, fragEnd), frag.charFormatIndex()});
                if (fragEnd > r.to)
                    break; // the next range may start in this fragment
            }
            if (!it.atEnd() || block.position() + block.length() >= r.to)
                break;
            block = block.next();
            it = block.begin();
        }
    }
    return pieces;
}

} // namespace

namespace
{

// Gives every piece its format, `formats` indexed by the pieces' format numbers.
void SetFormats(QTextDocument &doc, const std::vector<Piece> &pieces, const std::vector<QTextCharFormat> &formats)
{
    QTextCursor cursor(&doc);
    // Inside one edit the cursor does not look for its place on the screen, and
    // the document reports all the changes at its end.
    cursor.beginEditBlock();
    for (const Piece &p : pieces) {
        cursor.setPosition(p.from);
        cursor.setPosition(p.to, QTextCursor::KeepAnchor);
        cursor.setCharFormat(formats[size_t(p.format)]);
    }
    cursor.endEditBlock();
}

} // namespace

void MarkLinks(QTextDocument &doc, const std::vector<LinkRange> &ranges, const QColor &colour)
{
    std::vector<Piece> pieces = PiecesOf(doc, ranges);
    // The document's formats before, each with the link attribute added, once.
    const QList<QTextFormat> before = doc.allFormats();
    std::unordered_map<int, int> linkedIndex;
    std::vector<QTextCharFormat> linked;
    for (Piece &p : pieces) {
        const auto [at, added] = linkedIndex.emplace(p.format, int(linked.size()));
        if (added)
            linked.push_back(WithLink(before.value(p.format).toCharFormat(), colour));
        p.format = at->second;
    }
    SetFormats(doc, pieces, linked);
}

void MarkPlainLinks(QTextDocument &doc, const std::vector<LinkRange> &ranges, const QColor &colour)
{
    std::vector<Piece> pieces;
    pieces.reserve(ranges.size());
    for (const LinkRange &r : ranges)
        pieces.push_back({r.from, r.to, 0});
    SetFormats(doc, pieces, {WithLink(QTextCharFormat(), colour)});
}

QColor ColorFromBgr(unsigned int bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

} // namespace veldra::document
