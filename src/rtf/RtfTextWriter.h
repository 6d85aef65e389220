#pragma once

#include "rtf/RtfContent.h"
#include "rtf/RtfProps.h"

#include <QString>
#include <QStringView>
#include <QTextCharFormat>
#include <QTextCursor>

#include <utility>
#include <vector>

class QTextDocument;

namespace veldra::rtf
{

// Writes text, paragraphs and pictures into a document at a cursor, in large
// pieces: one insert per run of equally formatted text, one block per
// paragraph. A paragraph mark does not start the next block at once: the
// block is made when content for it arrives, so that a table or the end of a
// cell that follows a paragraph mark leaves no empty paragraph behind.
class RtfTextWriter
{
public:
    RtfTextWriter(QTextDocument *doc, const RtfTables &tables);

    void text(QStringView s, const RtfCharProps &props)
    {
        if (props != m_runProps && !m_run.isEmpty())
            flushRun();
        m_runProps = props;
        m_run.append(s);
    }
    void text(QLatin1String s, const RtfCharProps &props)
    {
        if (props != m_runProps && !m_run.isEmpty())
            flushRun();
        m_runProps = props;
        m_run.append(s);
    }
    void paragraph(const RtfParaProps &para);
    // Ends the last paragraph of the document, a cell or a note: an empty one
    // left by a paragraph mark just before is dropped.
    void lastParagraph(const RtfParaProps &para);
    void picture(const QTextImageFormat &format);
    // A paragraph that holds nothing but a thin rule across the page.
    void rule();
    // Makes the next content start a paragraph of its own.
    void breakParagraph();

    // Writes kept content, tables included.
    void write(const RtfContent &content);

    // Where a table goes: just after the paragraph before it. Writing then
    // continues where continueAt() says.
    QTextCursor objectPosition();
    void continueAt(const QTextCursor &cursor);

    // The width a table written now may take, in pixels: that of the cell it
    // is in, or 0 outside tables, where the page decides.
    qreal room() const { return m_room; }
    void setRoom(qreal px) { m_room = px; }

    QTextDocument *document() const { return m_doc; }
    const RtfTables &tables() const { return m_tables; }

private:
    void flushRun();
    void openBlock();
    void applyBlockFormat(const RtfParaProps &para);
    QTextCharFormat charFormat(const RtfCharProps &props);

    QTextDocument *m_doc;
    const RtfTables &m_tables;
    QTextCursor m_cursor;
    bool m_pending = false; // a paragraph mark was written, its next block not yet made
    QString m_run;
    RtfCharProps m_runProps;
    RtfParaProps m_blockProps;
    bool m_blockPropsSet = false;
    std::vector<std::pair<RtfCharProps, QTextCharFormat>> m_formats;
    size_t m_nextFormatSlot = 0;
    qreal m_room = 0;
};

} // namespace veldra::rtf
