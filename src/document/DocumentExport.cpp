#include "document/DocumentExport.h"

#include "document/DisplayBlocks.h"
#include "document/LinkFormat.h"
#include "document/LinkTarget.h"
#include "document/Log.h"
#include "text/ReplacementFile.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <vector>

namespace veldra::document
{

namespace
{

bool IsLink(const QTextCharFormat &format)
{
    return format.isAnchor() || format.boolProperty(kLinkAttribute);
}

// A run of characters [from, to) that the reader treats as one link, with the
// link's own target (empty when the text is the target).
struct LinkRun {
    int from;
    int to;
    QString target;
};

// The links of one block: a link's own target where it has one, else its text.
// Fragments of one link may differ in their other formatting; they count as
// one link while they touch and share the target.
void CollectLinks(const QTextBlock &block, std::vector<LinkRun> &runs)
{
    bool open = false;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat format = fragment.charFormat();
        if (!IsLink(format)) {
            open = false;
            continue;
        }
        const QString href = format.anchorHref();
        const int from = fragment.position();
        const int to = from + fragment.length();
        if (open && runs.back().to == from && runs.back().target == href) {
            runs.back().to = to;
            continue;
        }
        runs.push_back(LinkRun{from, to, href});
        open = true;
    }
}

// Gives every link of `doc` its safe target, or takes the link away.
void PointLinksAtSafeTargets(QTextDocument &doc)
{
    std::vector<LinkRun> runs;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        CollectLinks(block, runs);
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    for (const LinkRun &run : runs) {
        cursor.setPosition(run.from);
        cursor.setPosition(run.to, QTextCursor::KeepAnchor);
        const QString target = run.target.isEmpty() ? cursor.selectedText() : run.target;
        const QUrl url = SafeLinkUrl(target);
        QTextCharFormat change;
        if (url.isEmpty()) {
            change.setAnchor(false);
            change.setAnchorHref(QString());
            qCDebug(lcDocument) << "a link to" << target << "is kept as plain text";
        } else {
            change.setAnchor(true);
            change.setAnchorHref(url.toString(QUrl::FullyEncoded));
        }
        cursor.mergeCharFormat(change);
    }
    cursor.endEditBlock();
}

void InsertFields(QTextDocument &doc, const QList<ExportField> &fields)
{
    if (std::none_of(fields.begin(), fields.end(), [](const ExportField &f) { return !f.value.trimmed().isEmpty(); }))
        return;
    QTextCursor cursor(&doc);
    const QTextBlockFormat bodyBlock = cursor.blockFormat();
    const QTextCharFormat bodyChars = cursor.charFormat();
    // The body's first paragraph moves down whole, its format with it.
    cursor.insertBlock(bodyBlock, bodyChars);
    cursor.setPosition(0);
    QTextBlockFormat line;
    QTextCharFormat label;
    label.setFontWeight(QFont::Bold);
    const QTextCharFormat plain;
    cursor.setBlockFormat(line);
    for (const ExportField &field : fields) {
        // A field the document leaves out would only be a label.
        if (field.value.trimmed().isEmpty())
            continue;
        cursor.insertText(field.label + QLatin1Char(' '), label);
        const QUrl url = field.linkTarget.isEmpty() ? QUrl() : SafeLinkUrl(field.linkTarget);
        if (url.isEmpty()) {
            cursor.insertText(field.value, plain);
        } else {
            QTextCharFormat link = WithLink(plain, QColor(Qt::blue), url.toString(QUrl::FullyEncoded));
            cursor.insertText(field.value, link);
        }
        cursor.insertBlock(line, plain);
    }
    QTextBlockFormat rule = line;
    rule.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth, QTextLength(QTextLength::PercentageLength, 100));
    cursor.setBlockFormat(rule);
}

} // namespace

std::unique_ptr<QTextDocument> ExportDocument(const QString &title, const QList<ExportField> &fields,
                                              const QTextDocument &body)
{
    // A clone keeps the pictures, which live beside the text as resources.
    std::unique_ptr<QTextDocument> copy(body.clone());
    copy->setUndoRedoEnabled(false);
    JoinDisplayBlocks(*copy);
    PointLinksAtSafeTargets(*copy);
    InsertFields(*copy, fields);
    copy->setMetaInformation(QTextDocument::DocumentTitle, title);
    return copy;
}

ExportFormat ExportFormatOf(const QString &path)
{
    if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return ExportFormat::Pdf;
    if (path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive) ||
        path.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive))
        return ExportFormat::Html;
    return ExportFormat::PlainText;
}

QByteArray ExportHtml(const QTextDocument &copy)
{
    return copy.toHtml().toUtf8();
}

QByteArray ExportPlainText(const QTextDocument &copy)
{
    QString text = copy.toPlainText();
    // Pictures stand in the text as object characters; a text file has none.
    text.remove(QChar::ObjectReplacementCharacter);
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    text.truncate(end);
    text += QLatin1Char('\n');
    return text.toUtf8();
}

QByteArray ExportPdf(const QTextDocument &copy, int pageSizeId)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(copy.metaInformation(QTextDocument::DocumentTitle));
        writer.setCreator(QStringLiteral("Veldra"));
        writer.setPageSize(QPageSize(static_cast<QPageSize::PageSizeId>(pageSizeId)));
        writer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        copy.print(&writer);
    }
    return bytes;
}

Status SaveExport(const QString &path, const QTextDocument &copy, int pageSizeId)
{
    QByteArray bytes;
    switch (ExportFormatOf(path)) {
    case ExportFormat::Pdf:
        bytes = ExportPdf(copy, pageSizeId);
        break;
    case ExportFormat::Html:
        bytes = ExportHtml(copy);
        break;
    case ExportFormat::PlainText:
        bytes = ExportPlainText(copy);
        break;
    }
    text::ReplacementFile file(path);
    if (Status opened = file.open(); !opened)
        return opened;
    if (Status written = file.write(bytes); !written)
        return written;
    return file.commit(text::ReplacementFile::Replace::OrdinaryFile);
}

} // namespace veldra::document
