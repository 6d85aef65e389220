#include "faq/BodyDocument.h"

#include "document/DisplayBlocks.h"
#include "faq/LinkScan.h"
#include "text/CodePage.h"

#include <QTextCursor>
#include <QTextDocument>

namespace veldra::faq
{

namespace
{

const QColor &LinkColour()
{
    static const QColor colour = document::ColorFromBgr(kLinkColor);
    return colour;
}

// Rich text: read, then searched paragraph by paragraph, the spaces appended
// before each prefix's search as HighlightLinks appends them.
void BuildRich(BodyDocument &body, QByteArrayView bytes, const QStringList &linkPrefixes)
{
    QTextDocument &doc = *body.doc;
    document::FillDocument(doc, bytes);
    std::vector<document::LinkRange> links;
    for (const QString &prefix : linkPrefixes) {
        document::AppendPlainText(doc, QStringLiteral("  "));
        const LinkScan scan = ScanLinks(doc, prefix);
        links = UniteRanges(links, scan.ranges);
        if (scan.lastMatch >= 0)
            body.caret = scan.lastMatch + 1;
    }
    document::MarkLinks(doc, links, LinkColour());
}

// Plain text is decoded and put in the document in slices of about this many
// bytes: the whole text decoded at once would be twice the size of its bytes
// beside the document's copy.
constexpr qsizetype kSliceBytes = 1 << 20;

// Where the slice from `at` ends: after the first space or line feed from
// kSliceBytes on, or at the end. A line break is never cut in two, and no link
// nor a prefix runs across the cut.
qsizetype SliceEnd(QByteArrayView bytes, qsizetype at)
{
    for (qsizetype i = at + kSliceBytes; i < bytes.size(); ++i)
        if (bytes[i] == ' ' || bytes[i] == '\n')
            return i + 1;
    return bytes.size();
}

// Plain text, the bulk of the bodies: each slice is searched before it goes
// into the document, where its positions are the document's. The end of the
// text ends a link as the appended spaces would, and the prefixes cannot match
// in those spaces.
void BuildPlain(BodyDocument &body, QByteArrayView bytes, const QStringList &linkPrefixes)
{
    std::vector<LinkScan> scans(size_t(linkPrefixes.size()));
    QTextCursor cursor(body.doc.get());
    cursor.beginEditBlock();
    int base = 0;
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype end = SliceEnd(bytes, at);
        QString text = document::NormaliseLineBreaks(text::DecodeAnsi(bytes.sliced(at, end - at)));
        // The line break that ends the last line does not start another one.
        if (end == bytes.size() && text.endsWith(u'\n'))
            text.chop(1);
        for (qsizetype i = 0; i < linkPrefixes.size(); ++i)
            ScanLinks(text, base, linkPrefixes[i], scans[size_t(i)]);
        cursor.insertText(text, QTextCharFormat());
        base += int(text.size());
        at = end;
    }
    // The spaces that each prefix's search appends, in the same edit: a
    // change of its own had the document copy all its text once more.
    cursor.insertText(QString(2 * linkPrefixes.size(), u' '), QTextCharFormat());
    cursor.endEditBlock();
    std::vector<document::LinkRange> links;
    for (const LinkScan &scan : scans) {
        links = UniteRanges(links, scan.ranges);
        if (scan.lastMatch >= 0)
            body.caret = scan.lastMatch + 1;
    }
    document::MarkPlainLinks(*body.doc, links, LinkColour());
}

} // namespace

BodyDocument BuildBodyDocument(QByteArrayView workFileBytes, const document::DocumentSettings &settings,
                               const QStringList &linkPrefixes)
{
    BodyDocument body{document::NewDocument(settings)};
    if (document::IsRichText(workFileBytes))
        BuildRich(body, workFileBytes, linkPrefixes);
    else
        BuildPlain(body, workFileBytes, linkPrefixes);
    body.caret = document::PositionAfterSplits(document::SplitLongParagraphs(*body.doc), body.caret);
    return body;
}

} // namespace veldra::faq
