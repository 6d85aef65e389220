#pragma once

#include <QByteArrayView>
#include <QFont>
#include <QString>
#include <QTextOption>

#include <memory>

class QTextDocument;

namespace veldra::document
{

// The documents of the rich-text box, apart from the box: what a file load puts
// into one, and how text is appended. Usable on any thread, so that a long
// document can be made ready away from the windows and then handed to a box.

// Splits text at CR LF, lone CR and lone LF into paragraphs separated by "\n",
// which a text document turns into blocks.
QString NormaliseLineBreaks(QString text);

// Fills `doc` as loading a file with the default type fills the box: data that
// starts with "{\rtf" is read as rich text, anything else is shown as plain
// Windows-1252 text, one line per paragraph.
void FillDocument(QTextDocument &doc, QByteArrayView data);
// The two halves of that: whether data is read as rich text; the text that
// other data shows (decoded, paragraphs ending in "\n", the break that ends the
// last line dropped); and that text put into a document in its default format.
bool IsRichText(QByteArrayView data);
QString PlainTextOf(QByteArrayView data);
void SetPlainText(QTextDocument &doc, const QString &text);

// Appends plain text at the end of `doc`; what is there keeps its formatting,
// and the new text does not continue a link or a colour that ends the document.
void AppendPlainText(QTextDocument &doc, const QString &text);

// What a box's documents have in common apart from their text (the box's font
// among them), for a document made elsewhere to look like one loaded in the box.
struct DocumentSettings {
    QFont font;
    qreal margin = 4;
    QTextOption option;
    qreal indentWidth = 40;
    bool designMetrics = false;
};

DocumentSettings SettingsOf(const QTextDocument &doc);
// An empty document with those settings and without an undo stack.
std::unique_ptr<QTextDocument> NewDocument(const DocumentSettings &settings);

} // namespace veldra::document
