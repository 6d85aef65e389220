#pragma once

#include "text/Result.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

class QTextDocument;

namespace veldra::document
{

// A header field shown above the body of a saved or printed document. A field
// with a link target shows its value as a link to that target, when the target
// is one a link may lead to (SafeLinkUrl).
struct ExportField {
    QString label; // "Subject:"
    QString value;
    QString linkTarget;
};

// A copy of `body` to be saved or printed: the fields that hold a value
// first, one line each, then a rule and the body with its formatting and pictures. Every link of the
// body becomes an anchor to its SafeLinkUrl (the link's own target, or its
// text where it has none); a link to anything else is left as plain text, so
// a saved copy leads nowhere the reader would not. The title names the copy.
std::unique_ptr<QTextDocument> ExportDocument(const QString &title, const QList<ExportField> &fields,
                                              const QTextDocument &body);

// A saved copy's formats; by the name's suffix (".pdf", ".htm", ".html", else
// plain text), letter case ignored.
enum class ExportFormat { Pdf, Html, PlainText };
ExportFormat ExportFormatOf(const QString &path);

// The copy's bytes: HTML and plain text in UTF-8 (lines ending in LF, without
// the blanks that end the body), PDF laid out on `pageSizeId` pages (a
// QPageSize::PageSizeId) with its links kept.
QByteArray ExportHtml(const QTextDocument &copy);
QByteArray ExportPlainText(const QTextDocument &copy);
QByteArray ExportPdf(const QTextDocument &copy, int pageSizeId);

// Writes the copy in the format its path names. The file at `path` is
// replaced only once the whole copy is written; a link or a folder there is
// refused.
Status SaveExport(const QString &path, const QTextDocument &copy, int pageSizeId);

} // namespace veldra::document
