#include "rtf/RtfTextWriter.h"

#include "rtf/RtfTableWriter.h"

#include <QLocale>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLength>

#include <algorithm>

namespace veldra::rtf
{

namespace
{
constexpr size_t kFormatCacheSize = 16;

// A document lays out in pixels of 1/96 inch: 15 twips each.
qreal Px(int twips)
{
    return qreal(twips) / 15;
}

} // namespace

RtfTextWriter::RtfTextWriter(QTextDocument *doc, const RtfTables &tables)
    : m_doc(doc)
    , m_tables(tables)
    , m_cursor(doc)
{
    m_formats.reserve(kFormatCacheSize);
}

QTextCharFormat RtfTextWriter::charFormat(const RtfCharProps &props)
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
    const QColor fg = m_tables.colour(props.foreground);
    if (fg.isValid())
        fmt.setForeground(fg);
    const QColor bg = m_tables.colour(props.background);
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

void RtfTextWriter::openBlock()
{
    if (!m_pending)
        return;
    m_cursor.insertBlock();
    m_pending = false;
}

void RtfTextWriter::flushRun()
{
    if (m_run.isEmpty())
        return;
    openBlock();
    m_cursor.insertText(m_run, charFormat(m_runProps));
    m_run.clear();
}

void RtfTextWriter::applyBlockFormat(const RtfParaProps &para)
{
    if (m_blockPropsSet && para == m_blockProps)
        return;
    QTextBlockFormat fmt;
    static constexpr Qt::Alignment kAlign[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignJustify};
    // Left and right mean the page's left and right, whatever the direction;
    // the direction is the document's, never guessed from the text.
    fmt.setAlignment(para.rtl ? kAlign[para.align & 3] | Qt::AlignAbsolute : kAlign[para.align & 3]);
    fmt.setLayoutDirection(para.rtl ? Qt::RightToLeft : Qt::LeftToRight);
    fmt.setLeftMargin(Px(para.left));
    fmt.setRightMargin(Px(para.right));
    fmt.setTextIndent(Px(para.first));
    fmt.setTopMargin(Px(para.before));
    fmt.setBottomMargin(Px(para.after));
    if (para.bottomBorder.on)
        fmt.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                        QTextLength(QTextLength::PercentageLength, 100));
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
            tabs.append(QTextOption::Tab(Px(t.position - lineStart), kTabType[t.kind & 3],
                                         t.kind == 3 ? QLocale().decimalPoint().at(0) : QChar()));
    }
    if (para.first < 0 && para.left > 0)
        tabs.append(QTextOption::Tab(Px(-para.first), QTextOption::LeftTab));
    std::sort(tabs.begin(), tabs.end(),
              [](const QTextOption::Tab &a, const QTextOption::Tab &b) { return a.position < b.position; });
    if (!tabs.isEmpty())
        fmt.setTabPositions(tabs);
    m_cursor.setBlockFormat(fmt);
    m_blockProps = para;
    m_blockPropsSet = true;
}

void RtfTextWriter::paragraph(const RtfParaProps &para)
{
    flushRun();
    openBlock();
    applyBlockFormat(para);
    m_pending = true;
}

void RtfTextWriter::lastParagraph(const RtfParaProps &para)
{
    flushRun();
    if (m_pending)
        return;
    applyBlockFormat(para);
}

void RtfTextWriter::breakParagraph()
{
    flushRun();
    if (m_cursor.block().length() > 1)
        m_pending = true;
}

void RtfTextWriter::picture(const QTextImageFormat &format)
{
    flushRun();
    openBlock();
    // Inserted as the object character with its format, which also takes a
    // frame (QTextCursor::insertImage takes only images).
    m_cursor.insertText(QString(QChar::ObjectReplacementCharacter), format);
}

void RtfTextWriter::rule()
{
    breakParagraph();
    openBlock();
    RtfParaProps para;
    para.bottomBorder.on = true;
    para.before = 240;
    applyBlockFormat(para);
    m_pending = true;
}

QTextCursor RtfTextWriter::objectPosition()
{
    flushRun();
    m_pending = false;
    return m_cursor;
}

void RtfTextWriter::continueAt(const QTextCursor &cursor)
{
    m_cursor = cursor;
    m_pending = false;
    m_blockPropsSet = false;
}

void RtfTextWriter::write(const RtfContent &content)
{
    for (const RtfItem &item : content.items) {
        switch (item.kind) {
        case RtfItem::Kind::Text:
            text(item.text, item.chr);
            break;
        case RtfItem::Kind::Paragraph:
            paragraph(item.para);
            break;
        case RtfItem::Kind::LastParagraph:
            lastParagraph(item.para);
            break;
        case RtfItem::Kind::Picture:
            picture(item.picture);
            break;
        case RtfItem::Kind::Table:
            if (item.table)
                WriteTable(*this, *item.table);
            break;
        case RtfItem::Kind::Rule:
            rule();
            break;
        }
    }
    flushRun();
}

} // namespace veldra::rtf
