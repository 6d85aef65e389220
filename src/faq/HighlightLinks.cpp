#include "faq/HighlightLinks.h"

#include "faq/LayoutPause.h"
#include "faq/LinkScan.h"
#include "richtext/RichTextBox.h"

#include <QTextCursor>
#include <QTextDocument>

namespace veldra::faq
{

// The links are found on the text in one pass and marked in one edit, rather
// than selected and formatted one by one: a run of overlapping matches
// ("www.www.www.") would otherwise format the rest of its word once per match.
void HighlightLinks(richtext::RichTextBox &box, const QString &prefix)
{
    const LayoutPause pause(box);
    QTextDocument &doc = *box.document();
    // The spaces make sure a link at the very end still has a space after it.
    box.appendText(QStringLiteral("  "));
    const LinkScan links = ScanLinks(doc, prefix);
    document::MarkLinks(doc, links.ranges, richtext::RichTextBox::ColorFromBgr(kLinkColor));
    if (links.lastMatch >= 0) {
        QTextCursor caret(&doc);
        caret.setPosition(links.lastMatch + 1);
        box.setTextCursor(caret);
    }
}

} // namespace veldra::faq
