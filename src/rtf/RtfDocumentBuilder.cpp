#include "rtf/RtfDocumentBuilder.h"

#include "rtf/RtfTableWriter.h"

#include <QTextDocument>

#include <algorithm>

namespace veldra::rtf
{

namespace
{
constexpr size_t kMaxNotes = 10000;
constexpr size_t kMaxFlows = 4; // notes inside notes are read as part of their note
} // namespace

RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument *doc, const RtfTables &tables)
    : m_doc(doc)
    , m_writer(doc, tables)
    , m_undo(doc->isUndoRedoEnabled())
    , m_editBlock(doc)
{
    m_doc->setUndoRedoEnabled(false);
    // One change notification for the whole load instead of one per run; with
    // the clearing inside it too, a text edit showing the document lays it out
    // in one pass (measurably faster than clearing first).
    m_editBlock.beginEditBlock();
    m_doc->clear();
    m_writer.continueAt(QTextCursor(m_doc));
    m_flows.emplace_back();
}

RtfDocumentBuilder::~RtfDocumentBuilder()
{
    m_editBlock.endEditBlock();
    m_doc->setUndoRedoEnabled(m_undo);
}

void RtfDocumentBuilder::updateTarget()
{
    Flow &f = flow();
    m_target = f.levels.empty() ? f.content.get() : &f.levels.back().cell;
}

void RtfDocumentBuilder::keep(QStringView s, const RtfCharProps &props)
{
    auto &items = m_target->items;
    if (!items.empty() && items.back().kind == RtfItem::Kind::Text && items.back().chr == props) {
        items.back().text.append(s);
        return;
    }
    RtfItem item;
    item.text = s.toString();
    item.chr = props;
    items.push_back(std::move(item));
}

void RtfDocumentBuilder::keepItem(RtfItem &&item)
{
    m_target->items.push_back(std::move(item));
}

void RtfDocumentBuilder::paragraph(const RtfParaProps &para)
{
    if (!flow().levels.empty())
        flow().levels.back().lastPara = para;
    if (!m_target) {
        m_writer.paragraph(para);
        return;
    }
    RtfItem item;
    item.kind = RtfItem::Kind::Paragraph;
    item.para = para;
    keepItem(std::move(item));
}

void RtfDocumentBuilder::picture(const QTextImageFormat &format)
{
    if (!m_target) {
        m_writer.picture(format);
        return;
    }
    RtfItem item;
    item.kind = RtfItem::Kind::Picture;
    item.picture = format;
    keepItem(std::move(item));
}

void RtfDocumentBuilder::changeLevel(int level)
{
    level = std::clamp(level, 0, kMaxTableDepth);
    Flow &f = flow();
    while (int(f.levels.size()) > level)
        closeLevel();
    while (int(f.levels.size()) < level)
        f.levels.emplace_back();
    updateTarget();
}

void RtfDocumentBuilder::put(RtfItem &&item)
{
    updateTarget();
    if (!m_target) {
        if (item.kind == RtfItem::Kind::Table && item.table)
            WriteTable(m_writer, *item.table);
        return;
    }
    keepItem(std::move(item));
}

void RtfDocumentBuilder::closeCell(Level &level, const RtfParaProps &para)
{
    RtfItem end;
    end.kind = RtfItem::Kind::LastParagraph;
    end.para = para;
    level.cell.items.push_back(std::move(end));
    if (level.row.cells.size() >= RtfRowDef::kMaxCells) {
        // More cells than a row can have: the rest joins the last one.
        auto &last = level.row.cells.back().items;
        std::move(level.cell.items.begin(), level.cell.items.end(), std::back_inserter(last));
    } else {
        level.row.cells.push_back(std::move(level.cell));
    }
    level.cell = RtfContent();
}

void RtfDocumentBuilder::closeRow(Level &level)
{
    if (level.row.cells.empty())
        return;
    level.table.rows.push_back(std::move(level.row));
    level.row = RtfRow();
}

void RtfDocumentBuilder::closeLevel()
{
    Flow &f = flow();
    Level level = std::move(f.levels.back());
    f.levels.pop_back();
    if (!level.cell.isEmpty())
        closeCell(level, level.lastPara);
    if (!level.row.cells.empty())
        level.row.def = level.lastDef;
    closeRow(level);
    if (level.table.rows.empty())
        return;
    RtfItem item;
    item.kind = RtfItem::Kind::Table;
    item.table = std::make_unique<RtfTable>(std::move(level.table));
    put(std::move(item));
}

bool RtfDocumentBuilder::rowStarted(int level) const
{
    const auto &levels = m_flows.back().levels;
    if (level < 1 || size_t(level) > levels.size())
        return false;
    const Level &l = levels[size_t(level - 1)];
    return !l.row.cells.empty() || !l.cell.isEmpty();
}

void RtfDocumentBuilder::endCell(int level, const RtfParaProps &para)
{
    changeLevel(std::max(level, 1));
    Level &l = flow().levels.back();
    l.lastPara = para;
    closeCell(l, para);
}

void RtfDocumentBuilder::endRow(int level, const RtfRowDef &def)
{
    level = std::clamp(level, 1, kMaxTableDepth);
    if (int(flow().levels.size()) < level)
        return; // no table of that level is open
    changeLevel(level);
    Level &l = flow().levels.back();
    if (!l.cell.isEmpty())
        closeCell(l, l.lastPara);
    l.row.def = def;
    l.lastDef = def;
    closeRow(l);
    if (l.table.rows.size() >= kMaxRowsPerTable) {
        // Qt lays a table out in one go: a long one would hold up the window,
        // so it is written in parts.
        RtfItem item;
        item.kind = RtfItem::Kind::Table;
        item.table = std::make_unique<RtfTable>(std::move(l.table));
        l.table = RtfTable();
        Flow &f = flow();
        Level kept = std::move(f.levels.back());
        f.levels.pop_back();
        put(std::move(item));
        f.levels.push_back(std::move(kept));
        updateTarget();
    }
}

void RtfDocumentBuilder::beginNote()
{
    if (m_flows.size() >= kMaxFlows)
        return;
    Flow f;
    f.content = std::make_unique<RtfContent>();
    m_flows.push_back(std::move(f));
    updateTarget();
}

void RtfDocumentBuilder::endNote(bool endnote, const QString &mark, const RtfCharProps &markProps,
                                 const RtfParaProps &para)
{
    if (m_flows.size() < 2)
        return;
    changeLevel(0);
    RtfItem last;
    last.kind = RtfItem::Kind::LastParagraph;
    last.para = para;
    keepItem(std::move(last));
    std::unique_ptr<RtfContent> content = std::move(flow().content);
    m_flows.pop_back();
    updateTarget();
    if (m_notes.size() >= kMaxNotes)
        return;
    Note note;
    note.endnote = endnote;
    if (!mark.isEmpty()) {
        RtfItem item;
        item.text = mark;
        item.chr = markProps;
        note.content.items.push_back(std::move(item));
    }
    std::move(content->items.begin(), content->items.end(), std::back_inserter(note.content.items));
    m_notes.push_back(std::move(note));
}

void RtfDocumentBuilder::setDefaultTab(int twips)
{
    QTextOption option = m_doc->defaultTextOption();
    option.setTabStopDistance(twips / 15.0);
    m_doc->setDefaultTextOption(option);
}

void RtfDocumentBuilder::finish(const RtfParaProps &para)
{
    while (m_flows.size() > 1)
        endNote(false, QString(), RtfCharProps(), para);
    changeLevel(0);
    m_writer.lastParagraph(para);
    for (const bool endnotes : {false, true}) {
        bool first = true;
        for (const Note &note : m_notes) {
            if (note.endnote != endnotes)
                continue;
            if (first)
                m_writer.rule();
            first = false;
            m_writer.breakParagraph();
            m_writer.write(note.content);
        }
    }
}

} // namespace veldra::rtf
