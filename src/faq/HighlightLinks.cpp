#include "faq/HighlightLinks.h"

#include "platform/RichTextBox.h"

namespace
{

constexpr unsigned int kLinkColor = 0xFF0000; // blue, as 0xBBGGRR

// The link that starts at `match`: up to the next space on the same line, or to
// the line's end, where CR LF follows. Only that one line is fetched, so each
// link costs the length of its line, not of the whole body.
QString LinkAt(const platform::RichTextBox &box, int match)
{
    int lineStart = 0;
    const QString line = box.lineAt(match, &lineStart);
    const qsizetype from = match - lineStart;
    qsizetype end = line.indexOf(QLatin1Char(' '), from);
    if (end < 0)
        end = line.size();
    QString link = line.mid(from, end - from);
    // The box's find sees a no-break space as a plain one; searching with the
    // same text keeps the selection on this link.
    link.replace(QChar::Nbsp, QLatin1Char(' '));
    return link;
}

} // namespace

void HighlightLinks(platform::RichTextBox &box, const QString &prefix)
{
    // The spaces make sure a link at the very end still has a space after it.
    box.appendText(QStringLiteral("  "));
    int match = box.find(prefix, 1);
    while (match > 0) {
        box.setSelStart(match);
        box.find(LinkAt(box, match), match);
        box.setSelLink(true);
        box.setSelColor(kLinkColor);
        box.setSelStart(match + 1);
        match = box.find(prefix, match + 1);
    }
}
