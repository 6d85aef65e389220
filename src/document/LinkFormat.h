#pragma once

#include <QColor>
#include <QString>
#include <QTextFormat>

#include <vector>

class QTextDocument;

namespace veldra::document
{

// The link attribute of characters in a rich-text document: shown underlined,
// carried as an anchor and marked by a property of its own, so that taking it
// away again removes only what it brought.
constexpr int kLinkAttribute = QTextFormat::UserProperty + 1;
// Set where the link attribute added the underline (the text had none).
constexpr int kLinkUnderline = QTextFormat::UserProperty + 2;

// A colour given as 0xBBGGRR, as the program's colour values are written.
QColor ColorFromBgr(unsigned int bgr);

// `format` with the link attribute: underlined, an anchor (to `href` when one is
// given) and, when `colour` is valid, in that colour.
QTextCharFormat WithLink(QTextCharFormat format, const QColor &colour = QColor(), const QString &href = QString());
// `format` without the link attribute, its anchor and the underline it added.
QTextCharFormat WithoutLink(QTextCharFormat format);

// Characters [from, to) of a document, in document positions.
struct LinkRange {
    int from;
    int to;
};

// Gives the characters of every range the link attribute and `colour`, keeping
// the rest of their formatting, in one edit. The ranges are in ascending order
// and do not overlap. The anchors get no target: links then share their
// formats, where a target each would make one format per link.
void MarkLinks(QTextDocument &doc, const std::vector<LinkRange> &ranges, const QColor &colour);
// The same for ranges in text that has the default format throughout, as plain
// text is put in: one format for all, without looking at the text's.
void MarkPlainLinks(QTextDocument &doc, const std::vector<LinkRange> &ranges, const QColor &colour);

} // namespace veldra::document
