#pragma once

#include "rtf/RtfReader.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

// The document's text with one "\n" between paragraphs, keeping every character
// as it is (QTextDocument::toPlainText would turn no-break spaces into spaces).
inline QString BlockText(const QTextDocument &doc)
{
    QString out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b != doc.begin())
            out += QLatin1Char('\n');
        out += b.text();
    }
    return out;
}

inline QString RtfText(const QByteArray &rtf)
{
    QTextDocument doc;
    veldra::rtf::ReadRtf(rtf, &doc);
    return BlockText(doc);
}

// Format of the character at `position` (a document position).
inline QTextCharFormat FormatAt(QTextDocument &doc, int position)
{
    QTextCursor c(&doc);
    c.setPosition(position);
    c.setPosition(position + 1, QTextCursor::KeepAnchor);
    return c.charFormat();
}

// Document position of the first occurrence of `what`, or -1.
inline int PositionOf(const QTextDocument &doc, const QString &what)
{
    const QTextCursor c = doc.find(what, 0, QTextDocument::FindCaseSensitively);
    return c.isNull() ? -1 : c.selectionStart();
}

// The texts of the paragraphs of a table cell, empty ones included.
inline QStringList CellTexts(const QTextTableCell &cell)
{
    QStringList out;
    for (QTextFrame::iterator it = cell.begin(); !it.atEnd(); ++it)
        if (it.currentBlock().isValid())
            out << it.currentBlock().text();
    return out;
}
