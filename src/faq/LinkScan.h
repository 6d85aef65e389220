#pragma once

#include "document/LinkFormat.h"

#include <QString>
#include <QStringView>

#include <vector>

class QTextDocument;

namespace veldra::faq
{

// The links that start with one prefix, as the link colouring finds them: every
// place where the prefix occurs (letter case ignored, the very first character
// of the text never looked at), each running from there to the next space or
// the end of its line (a paragraph's end or a line break inside it). Matches that overlap, as in "www.www.", are all
// found; where their links overlap they form one range.
struct LinkScan {
    std::vector<document::LinkRange> ranges; // positions, ascending and apart
    int lastMatch = -1;                      // the position of the last match, or -1
};

// Both run in time in proportion to the text, however many matches overlap.
// In the paragraphs of a document, in document positions:
LinkScan ScanLinks(const QTextDocument &doc, const QString &prefix);
// In plain text whose paragraphs end in "\n", in positions of the text: the
// positions of a document that holds just this text. The prefix holds no line
// break.
LinkScan ScanLinks(QStringView text, const QString &prefix);
// The same for a piece of such a text that starts at position `base` and ends
// after a space or a line break, or ends the text, added to `scan`: the pieces
// of a text, one after the other, give what the whole text gives.
void ScanLinks(QStringView piece, int base, const QString &prefix, LinkScan &scan);

// The ranges that lie in `a` or in `b`, ascending and apart.
std::vector<document::LinkRange> UniteRanges(const std::vector<document::LinkRange> &a,
                                             const std::vector<document::LinkRange> &b);

} // namespace veldra::faq
