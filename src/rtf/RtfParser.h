#pragma once

#include "rtf/RtfCodePage.h"
#include "rtf/RtfContent.h"
#include "rtf/RtfDocumentBuilder.h"
#include "rtf/RtfKeyword.h"
#include "rtf/RtfLists.h"
#include "rtf/RtfPicture.h"
#include "rtf/RtfProps.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QElapsedTimer>
#include <QString>

#include <array>
#include <vector>

class QTextDocument;

namespace veldra::rtf
{

// Reads RTF token by token with an explicit stack of group states (no
// recursion), so any nesting depth is safe; groups nested deeper than
// kMaxDepth share the state of the deepest kept one. Reading can stop after
// a time budget and go on later.
class RtfParser
{
public:
    static constexpr size_t kMaxDepth = 4096;

    RtfParser(QByteArrayView data, QTextDocument *doc);
    // Reads until the end, or until `budgetMs` have passed when it is not
    // negative. True when the document is complete.
    bool run(qint64 budgetMs = -1);

private:
    enum class Dest : quint8 {
        Text,
        FontTable,
        ColorTable,
        FieldInstruction,
        Hidden,
        RowProperties,
        ListText,
        ListTable,
        List,
        ListLevel,
        LevelText,
        ListOverride,
        Pn,
        PnText,
        Picture,
    };

    struct Group {
        RtfCharProps chr;
        RtfParaProps para;
        Dest dest = Dest::Text;
        Dest outerDest = Dest::Text; // what \fldrslt and \ud go back to
        bool hidden = false;         // \v
        bool opensDest = false;      // this group set `dest`
        bool opensNote = false;      // this group is a footnote
        qint8 pnText = 0;            // 0 text before the number, 1 after
        int uc = 1;
        int field = -1;
    };

    struct Field {
        QString instruction;
        int link = -2; // -2 not looked at yet, -1 not a link
    };

    // Which border the border words describe.
    enum class BorderTarget : quint8 { None, Paragraph, Cell, Row };

    // tokens
    void openGroup();
    bool closeGroup();
    void controlWord();
    void controlSymbol(char c);
    void hexByte();
    void plainText();
    void skipGroup();
    int readParameter(bool *has);
    void endDestination(const Group &closed);

    // control words, by group
    void keyword(const RtfKeywordInfo &kw, int param, bool hasParam);
    void destinationKeyword(const RtfKeywordInfo &kw);
    void documentKeyword(const RtfKeywordInfo &kw, int param, bool hasParam);
    void characterKeyword(const RtfKeywordInfo &kw, int param, bool hasParam);
    void paragraphKeyword(const RtfKeywordInfo &kw, int param);
    void tableKeyword(const RtfKeywordInfo &kw, int param);
    void listKeyword(const RtfKeywordInfo &kw, int param);
    void pictureKeyword(const RtfKeywordInfo &kw, int param);
    void breakKeyword(const RtfKeywordInfo &kw);
    void openDest(Dest dest);
    RtfBorder *border();

    // text
    void unicodeChar(int value);
    void textByte(char b);
    void flushBytes();
    void output(QStringView s);
    void emitChar(char16_t c);
    void emitLatin1(QLatin1String s);
    void routeText(QStringView s);
    void flushSurrogate();
    void paragraph();
    // Opens the paragraph and table cell that visible body text goes into;
    // false for hidden text, which is dropped.
    bool readyForBodyText();
    void startCell();
    int codePage();
    int fieldLink(int field);

    // content
    void beginContent();
    void endParagraphState();
    void listLabel();
    void flushListText();
    void endList(const Group &closed);
    void endPicture();
    void footnoteMark();
    void beginNote();
    void endNote(const Group &closed);
    void flushMark();
    QString noteNumber(bool endnote, int n) const;

    QByteArrayView m_data;
    qsizetype m_pos = 0;
    RtfTables m_tables;
    RtfDocumentBuilder m_out;
    RtfCodePages m_codePages;
    RtfPictures m_pictures;
    RtfLists m_lists;

    std::vector<Group> m_stack;
    Group m_cur;
    size_t m_flattened = 0;
    bool m_ended = false;
    bool m_finished = false;

    int m_docCodePage = 1252;
    int m_defaultFont = -1;
    int m_fontDef = -1;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colourSet = false;
    std::vector<Field> m_fields;

    int m_skip = 0;      // fallback characters of \uN still to skip
    bool m_star = false; // "\*" seen: an unknown destination follows
    char16_t m_highSurrogate = 0;
    int m_pendingCells = 0;
    qint8 m_tabKind = 0;     // kind of the next tab stop
    bool m_rowEnded = false; // nothing shown since the last row end

    // tables
    std::array<RtfRowDef, RtfDocumentBuilder::kMaxTableDepth> m_rowDefs{};
    int m_defLevel = 1;   // the level whose row the table words describe
    RtfRowDef m_startDef; // the definition before the current row's cells
    bool m_hasStartDef = false;
    RtfCellDef m_cellDef;
    BorderTarget m_borderTarget = BorderTarget::None;
    int m_borderSide = 0;

    // lists
    bool m_paraStarted = false;   // the paragraph has content
    bool m_listTextShown = false; // the paragraph's label came as text
    std::vector<std::pair<QString, RtfCharProps>> m_listText;
    RtfList m_list;
    RtfListLevel m_level;
    int m_levelCount = 0;
    int m_overrideLs = 0;
    int m_overrideList = 0;
    bool m_overrideLevel = false;
    RtfPn m_pn;

    // pictures and notes
    RtfPictureData m_picture;
    int m_notes[2] = {0, 0};      // footnotes and endnotes so far
    int m_noteFormat[2] = {0, 2}; // 1, 2, 3 and i, ii, iii
    int m_noteStart[2] = {1, 1};
    bool m_markPending = false; // a \chftn waits for its note
    RtfCharProps m_markProps;
    bool m_noteIsEndnote = false;
    bool m_noteHasMark = false;
    int m_noteDepth = 0;
    bool m_savedParaStarted = false;
    bool m_savedListTextShown = false;

    QByteArray m_bytes; // text bytes not yet decoded
    int m_bytesCodePage = 0;
    bool m_bytesSymbol = false;
    bool m_bytesWingdings = false;
    QString m_scratch;
    QElapsedTimer m_clock;
};

} // namespace veldra::rtf
