#pragma once

#include "rtf/RtfContent.h"
#include "rtf/RtfProps.h"
#include "rtf/RtfTextWriter.h"

#include <QString>
#include <QStringView>
#include <QTextCursor>

#include <memory>
#include <vector>

class QTextDocument;

namespace veldra::rtf
{

// Takes the document's content in reading order and puts it where it
// belongs: the text into the document at once, table cells into the table
// they build until the table is complete, and notes aside until the end of
// the text, where they follow under a rule.
class RtfDocumentBuilder
{
public:
    static constexpr int kMaxTableDepth = 8;
    static constexpr size_t kMaxRowsPerTable = 256; // a longer table is laid out in parts

    RtfDocumentBuilder(QTextDocument *doc, const RtfTables &tables);
    ~RtfDocumentBuilder();
    RtfDocumentBuilder(const RtfDocumentBuilder &) = delete;
    RtfDocumentBuilder &operator=(const RtfDocumentBuilder &) = delete;

    void text(QStringView s, const RtfCharProps &props)
    {
        if (m_target)
            keep(s, props);
        else
            m_writer.text(s, props);
    }
    void text(QLatin1String s, const RtfCharProps &props)
    {
        if (m_target)
            keep(QString(s), props);
        else
            m_writer.text(s, props);
    }
    void paragraph(const RtfParaProps &para);
    void picture(const QTextImageFormat &format);

    // The table level of the content that follows: 0 outside tables, 1 in a
    // table, 2 in a table inside a table's cell... Leaving a level completes
    // its table.
    void setLevel(int level)
    {
        if (level != int(flow().levels.size()))
            changeLevel(level);
    }
    int level() const { return int(m_flows.back().levels.size()); }
    // Whether the current row of the table at `level` has begun.
    bool rowStarted(int level) const;
    // The end of a cell or a row of the table at `level`.
    void endCell(int level, const RtfParaProps &para);
    void endRow(int level, const RtfRowDef &def);

    // Content between these goes to a note. `mark` starts the note's text
    // when the note did not show its number itself.
    void beginNote();
    void endNote(bool endnote, const QString &mark, const RtfCharProps &markProps, const RtfParaProps &para);

    // The distance between the default tab stops, in twips.
    void setDefaultTab(int twips);

    // Writes what is pending and the notes.
    void finish(const RtfParaProps &para);

private:
    struct Level {
        RtfTable table;
        RtfRow row;
        RtfContent cell;
        RtfParaProps lastPara;
        RtfRowDef lastDef;
    };
    struct Flow {
        std::unique_ptr<RtfContent> content; // null for the document's text
        std::vector<Level> levels;
    };
    struct Note {
        bool endnote = false;
        RtfContent content;
    };

    Flow &flow() { return m_flows.back(); }
    void keep(QStringView s, const RtfCharProps &props);
    void keepItem(RtfItem &&item);
    void changeLevel(int level);
    void closeLevel();
    void closeCell(Level &level, const RtfParaProps &para);
    void closeRow(Level &level);
    void put(RtfItem &&item); // into the flow below the innermost level
    void updateTarget();

    QTextDocument *m_doc;
    RtfTextWriter m_writer;
    bool m_undo;
    QTextCursor m_editBlock;
    std::vector<Flow> m_flows;
    RtfContent *m_target = nullptr; // where content is kept, or null to write it
    std::vector<Note> m_notes;
};

} // namespace veldra::rtf
