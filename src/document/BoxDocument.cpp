#include "document/BoxDocument.h"

#include "document/LinkFormat.h"
#include "document/Log.h"
#include "rtf/RtfReader.h"
#include "text/CodePage.h"

#include <QTextCursor>
#include <QTextDocument>

namespace veldra::document
{

QString NormaliseLineBreaks(QString text)
{
    // In place: the result is never longer than the text.
    QChar *out = text.data();
    const QChar *in = out;
    const QChar *end = in + text.size();
    QChar *to = out;
    while (in < end) {
        const QChar c = *in++;
        if (c == u'\r') {
            *to++ = u'\n';
            if (in < end && *in == u'\n')
                ++in;
        } else {
            *to++ = c;
        }
    }
    text.truncate(to - out);
    return text;
}

bool IsRichText(QByteArrayView data)
{
    return data.startsWith("{\\rtf");
}

QString PlainTextOf(QByteArrayView data)
{
    QString text = NormaliseLineBreaks(text::DecodeAnsi(data));
    // The line break that ends the last line does not start another one.
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

void SetPlainText(QTextDocument &doc, const QString &text)
{
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    doc.clear();
    cursor.insertText(text, QTextCharFormat());
    cursor.endEditBlock();
}

void FillDocument(QTextDocument &doc, QByteArrayView data)
{
    const bool rich = IsRichText(data);
    qCDebug(lcDocument) << data.size() << "bytes read as" << (rich ? "rich text" : "plain text");
    if (rich)
        rtf::ReadRtf(data, &doc);
    else
        SetPlainText(doc, PlainTextOf(data));
}

void AppendPlainText(QTextDocument &doc, const QString &text)
{
    QTextCursor c(&doc);
    c.movePosition(QTextCursor::End);
    QTextCharFormat plain = WithoutLink(c.charFormat());
    plain.clearForeground();
    c.insertText(NormaliseLineBreaks(text), plain);
}

DocumentSettings SettingsOf(const QTextDocument &doc)
{
    return {doc.defaultFont(), doc.documentMargin(), doc.defaultTextOption(), doc.indentWidth(),
            doc.useDesignMetrics()};
}

std::unique_ptr<QTextDocument> NewDocument(const DocumentSettings &settings)
{
    auto doc = std::make_unique<QTextDocument>();
    doc->setUndoRedoEnabled(false);
    doc->setDefaultFont(settings.font);
    doc->setDocumentMargin(settings.margin);
    doc->setDefaultTextOption(settings.option);
    doc->setIndentWidth(settings.indentWidth);
    doc->setUseDesignMetrics(settings.designMetrics);
    return doc;
}

} // namespace veldra::document
