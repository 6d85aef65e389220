#include "faq/BodyDocument.h"

#include "faq/LinkScan.h"

#include <QTextDocument>
#include <QThread>

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

// Plain text, the bulk of the bodies: searched as one string before it goes
// into the document, where its positions are the document's. The end of the
// text ends a link as the appended spaces would, and the prefixes cannot match
// in those spaces.
void BuildPlain(BodyDocument &body, QByteArrayView bytes, const QStringList &linkPrefixes)
{
    std::vector<document::LinkRange> links;
    {
        const QString text = document::PlainTextOf(bytes);
        // The search runs beside the filling of the document, which takes
        // longer; both only read the text.
        const auto searchLinks = [&] {
            for (const QString &prefix : linkPrefixes) {
                Q_ASSERT(!prefix.contains(u' '));
                const LinkScan scan = ScanLinks(text, prefix);
                links = UniteRanges(links, scan.ranges);
                if (scan.lastMatch >= 0)
                    body.caret = scan.lastMatch + 1;
            }
        };
        const std::unique_ptr<QThread> search(QThread::create(searchLinks));
        search->start();
        const bool beside = search->isRunning() || search->isFinished();
        document::SetPlainText(*body.doc, text);
        if (beside)
            search->wait();
        else
            searchLinks(); // no thread to be had: one after the other
    }
    for (qsizetype i = 0; i < linkPrefixes.size(); ++i)
        document::AppendPlainText(*body.doc, QStringLiteral("  "));
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
    document::KeepLongWordsUnwrapped(*body.doc);
    return body;
}

} // namespace veldra::faq
