#pragma once

#include <QColor>
#include <QString>
#include <QStringView>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include <algorithm>
#include <array>
#include <unordered_map>
#include <vector>

class QTextDocument;

namespace veldra::rtf
{

// Character formatting of RTF text as the reader tracks it: indexes into the
// document's font, colour and link tables rather than resolved values, so that
// comparing two of them is cheap.
struct RtfCharProps {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    qint8 vertical = 0; // 0 normal, 1 superscript, -1 subscript
    qint8 caps = 0;     // 0 as written, 1 all capitals, 2 small capitals
    int halfPoints = 24;
    int font = -1;
    int foreground = 0; // colour table index; 0 and unknown indexes are "auto"
    int background = 0;
    int link = -1; // index into RtfTables::links

    bool operator==(const RtfCharProps &o) const
    {
        return bold == o.bold && italic == o.italic && underline == o.underline && strike == o.strike &&
               vertical == o.vertical && caps == o.caps && halfPoints == o.halfPoints && font == o.font &&
               foreground == o.foreground && background == o.background && link == o.link;
    }
    bool operator!=(const RtfCharProps &o) const { return !(*this == o); }
};

// Paragraph formatting; lengths in twips.
struct RtfParaProps {
    static constexpr int kMaxTabs = 16;
    struct TabStop {
        int position = 0; // from the left margin
        qint8 kind = 0;   // 0 left, 1 centre, 2 right, 3 decimal
        bool operator==(const TabStop &o) const { return position == o.position && kind == o.kind; }
    };

    qint8 align = 0; // 0 left, 1 centre, 2 right, 3 justified
    int left = 0;
    int right = 0;
    int first = 0;
    int before = 0;
    int after = 0;
    int tabCount = 0;
    std::array<TabStop, kMaxTabs> tabs{};

    bool operator==(const RtfParaProps &o) const
    {
        return align == o.align && left == o.left && right == o.right && first == o.first && before == o.before &&
               after == o.after && tabCount == o.tabCount &&
               std::equal(tabs.begin(), tabs.begin() + tabCount, o.tabs.begin());
    }
    bool operator!=(const RtfParaProps &o) const { return !(*this == o); }
};

struct RtfFont {
    QString name;
    bool named = false; // the name ended with ";"
    int charset = -1;
    int codePage = 0; // from \cpg, overrides the charset
    bool symbol = false;
    bool wingdings = false;
};

// The document's tables, filled while reading.
struct RtfTables {
    std::unordered_map<int, RtfFont> fonts;
    std::vector<QColor> colours; // an invalid colour is "auto"
    std::vector<QString> links;
};

// Collects text runs and paragraphs and writes them into the document in large
// pieces: one insert per run of equally formatted text, one block per paragraph.
class RtfDocumentBuilder
{
public:
    RtfDocumentBuilder(QTextDocument *doc, const RtfTables &tables);
    ~RtfDocumentBuilder();
    RtfDocumentBuilder(const RtfDocumentBuilder &) = delete;
    RtfDocumentBuilder &operator=(const RtfDocumentBuilder &) = delete;

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
    // Writes what is pending; a last empty paragraph left by the final paragraph
    // mark is dropped.
    void finish(const RtfParaProps &para);

private:
    void flushRun();
    void applyBlockFormat(const RtfParaProps &para);
    QTextCharFormat charFormat(const RtfCharProps &props);

    QTextDocument *m_doc;
    const RtfTables &m_tables;
    QTextCursor m_cursor;
    bool m_undo;
    QString m_run;
    RtfCharProps m_runProps;
    RtfParaProps m_blockProps;
    bool m_blockPropsSet = false;
    bool m_anyParagraph = false;
    std::vector<std::pair<RtfCharProps, QTextCharFormat>> m_formats;
    size_t m_nextFormatSlot = 0;
};

} // namespace veldra::rtf
