#include "rtf/RtfDocumentBuilder.h"

#include <QLocale>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace veldra::rtf
{

namespace
{
constexpr size_t kFormatCacheSize = 16;
}

RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument *doc, const RtfTables &tables)
    : m_doc(doc)
    , m_tables(tables)
    , m_undo(doc->isUndoRedoEnabled())
{
    m_doc->setUndoRedoEnabled(false);
    m_cursor = QTextCursor(m_doc);
    // One change notification for the whole load instead of one per run; with
    // the clearing inside it too, a text edit showing the document lays it out
    // in one pass (measurably faster than clearing first).
    m_cursor.beginEditBlock();
    m_doc->clear();
    m_formats.reserve(kFormatCacheSize);
}

RtfDocumentBuilder::~RtfDocumentBuilder()
{
    m_cursor.endEditBlock();
    m_doc->setUndoRedoEnabled(m_undo);
}

QTextCharFormat RtfDocumentBuilder::charFormat(const RtfCharProps &props)
{
    for (const auto &f : m_formats)
        if (f.first == props)
            return f.second;
    QTextCharFormat fmt;
    if (props.bold)
        fmt.setFontWeight(QFont::Bold);
    if (props.italic)
        fmt.setFontItalic(true);
    if (props.underline)
        fmt.setFontUnderline(true);
    if (props.strike)
        fmt.setFontStrikeOut(true);
    if (props.vertical > 0)
        fmt.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (props.vertical < 0)
        fmt.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (props.caps == 1)
        fmt.setFontCapitalization(QFont::AllUppercase);
    else if (props.caps == 2)
        fmt.setFontCapitalization(QFont::SmallCaps);
    fmt.setFontPointSize(props.halfPoints / 2.0);
    // Symbol fonts are not given: their characters are read as the Unicode
    // characters they picture, which ordinary fonts show.
    const auto font = m_tables.fonts.find(props.font);
    if (font != m_tables.fonts.end() && !font->second.name.isEmpty() && !font->second.symbol)
        fmt.setFontFamilies(QStringList{font->second.name});
    const auto colour = [this](int index) {
        return index > 0 && size_t(index) < m_tables.colours.size() ? m_tables.colours[size_t(index)] : QColor();
    };
    const QColor fg = colour(props.foreground);
    if (fg.isValid())
        fmt.setForeground(fg);
    const QColor bg = colour(props.background);
    if (bg.isValid())
        fmt.setBackground(bg);
    if (props.link >= 0 && size_t(props.link) < m_tables.links.size()) {
        fmt.setAnchor(true);
        fmt.setAnchorHref(m_tables.links[size_t(props.link)]);
    }
    if (m_formats.size() < kFormatCacheSize) {
        m_formats.emplace_back(props, fmt);
    } else {
        m_formats[m_nextFormatSlot] = {props, fmt};
        m_nextFormatSlot = (m_nextFormatSlot + 1) % kFormatCacheSize;
    }
    return fmt;
}

void RtfDocumentBuilder::flushRun()
{
    if (m_run.isEmpty())
        return;
    m_cursor.insertText(m_run, charFormat(m_runProps));
    m_run.clear();
}

void RtfDocumentBuilder::applyBlockFormat(const RtfParaProps &para)
{
    if (m_blockPropsSet && para == m_blockProps)
        return;
    QTextBlockFormat fmt;
    static constexpr Qt::Alignment kAlign[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignJustify};
    fmt.setAlignment(kAlign[para.align & 3]);
    // A document lays out in pixels of 1/96 inch: 15 twips each.
    const auto px = [](int twips) { return qreal(twips) / 15; };
    fmt.setLeftMargin(px(para.left));
    fmt.setRightMargin(px(para.right));
    fmt.setTextIndent(px(para.first));
    fmt.setTopMargin(px(para.before));
    fmt.setBottomMargin(px(para.after));
    // Tab stops count from the margin, Qt's from where the first line starts.
    // A hanging first line (a list item) has a stop where the other lines
    // begin, so that the text after its marker lines up with them.
    QList<QTextOption::Tab> tabs;
    static constexpr QTextOption::TabType kTabType[] = {QTextOption::LeftTab, QTextOption::CenterTab,
                                                        QTextOption::RightTab, QTextOption::DelimiterTab};
    const int lineStart = para.left + para.first;
    for (int i = 0; i < para.tabCount; ++i) {
        const RtfParaProps::TabStop &t = para.tabs[size_t(i)];
        if (t.position > lineStart)
            tabs.append(QTextOption::Tab(px(t.position - lineStart), kTabType[t.kind & 3],
                                         t.kind == 3 ? QLocale().decimalPoint().at(0) : QChar()));
    }
    if (para.first < 0 && para.left > 0)
        tabs.append(QTextOption::Tab(px(-para.first), QTextOption::LeftTab));
    std::sort(tabs.begin(), tabs.end(),
              [](const QTextOption::Tab &a, const QTextOption::Tab &b) { return a.position < b.position; });
    if (!tabs.isEmpty())
        fmt.setTabPositions(tabs);
    m_cursor.setBlockFormat(fmt);
    m_blockProps = para;
    m_blockPropsSet = true;
}

void RtfDocumentBuilder::paragraph(const RtfParaProps &para)
{
    flushRun();
    applyBlockFormat(para);
    m_cursor.insertBlock();
    m_anyParagraph = true;
}

void RtfDocumentBuilder::finish(const RtfParaProps &para)
{
    flushRun();
    if (m_cursor.block().length() > 1) {
        applyBlockFormat(para);
    } else if (m_anyParagraph) {
        m_cursor.deletePreviousChar();
    }
}

} // namespace veldra::rtf
