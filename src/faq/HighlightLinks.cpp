#include "faq/HighlightLinks.h"

#include "faq/LayoutPause.h"
#include "platform/RichTextBox.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace veldra::faq
{

namespace
{

constexpr unsigned int kLinkColor = 0xFF0000; // blue, as 0xBBGGRR

// The next place at or after document position `from` where `prefix` starts,
// letter case ignored, or -1. Like the box's find it looks within paragraphs
// and takes a no-break space for a plain one; each paragraph's text is fetched
// once for all the links in it.
class PrefixFinder
{
public:
    PrefixFinder(const QTextDocument &doc, const QString &prefix)
        : m_doc(doc)
        , m_prefix(prefix)
        , m_spaceInPrefix(prefix.contains(QLatin1Char(' ')) || prefix.contains(QChar::Nbsp))
    {
    }

    int find(int from)
    {
        for (QTextBlock block = m_doc.findBlock(from); block.isValid(); block = block.next()) {
            if (block.position() != m_blockPosition) {
                m_blockPosition = block.position();
                m_text = block.text();
                m_searched = m_text;
                if (m_spaceInPrefix)
                    m_searched.replace(QChar::Nbsp, QLatin1Char(' '));
            }
            const qsizetype at = m_searched.indexOf(m_prefix, qMax(0, from - m_blockPosition), Qt::CaseInsensitive);
            if (at >= 0)
                return m_blockPosition + int(at);
        }
        return -1;
    }

    // Length of the link at `at` (found just before): up to the next space in
    // its paragraph, or to the next line break or the paragraph's end, where
    // the box's text has CR LF.
    int linkLength(int at) const
    {
        const int from = at - m_blockPosition;
        qsizetype end = from;
        while (end < m_text.size() && m_text.at(end) != QLatin1Char(' ') && m_text.at(end) != QChar::LineSeparator)
            ++end;
        return int(end) - from;
    }

private:
    const QTextDocument &m_doc;
    const QString m_prefix;
    const bool m_spaceInPrefix;
    int m_blockPosition = -1;
    QString m_text;
    QString m_searched;
};

} // namespace

// The steps work on document positions rather than on the box's CR LF counted
// indexes: the box converts every index it is given by a search over all
// paragraphs, and a long body has tens of thousands of links. A document
// position is greater than 0 exactly when its index is.
void HighlightLinks(platform::RichTextBox &box, const QString &prefix)
{
    const LayoutPause pause(box);
    QTextDocument &doc = *box.document();
    // One edit block: the document reports all the changes in one go at its end.
    QTextCursor batch(&doc);
    batch.beginEditBlock();
    // The spaces make sure a link at the very end still has a space after it.
    box.appendText(QStringLiteral("  "));

    PrefixFinder finder(doc, prefix);
    int last = -1;
    int match = prefix.isEmpty() ? -1 : finder.find(box.indexToPosition(1));
    while (match > 0) {
        // Marked without moving the box's selection to each link, which would
        // cost more than the marking itself; the caret is placed once below.
        const int end = match + finder.linkLength(match);
        box.setRangeLink(match, end, true, platform::RichTextBox::ColorFromBgr(kLinkColor));
        last = match;
        match = finder.find(match + 1);
    }
    // The caret ends one character after the start of the last link.
    if (last >= 0) {
        QTextCursor caret(&doc);
        caret.setPosition(last + 1);
        box.setTextCursor(caret);
    }
    batch.endEditBlock();
}

} // namespace veldra::faq
