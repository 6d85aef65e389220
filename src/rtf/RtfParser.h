#pragma once

#include "rtf/RtfCodePage.h"
#include "rtf/RtfDocumentBuilder.h"
#include "rtf/RtfKeyword.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

class QTextDocument;

namespace veldra::rtf
{

// Reads RTF token by token with an explicit stack of group states (no
// recursion), so any nesting depth is safe; groups nested deeper than
// kMaxDepth share the state of the deepest kept one.
class RtfParser
{
public:
    static constexpr size_t kMaxDepth = 4096;

    RtfParser(QByteArrayView data, QTextDocument *doc);
    void run();

private:
    enum class Dest : quint8 { Text, FontTable, ColorTable, FieldInstruction, Hidden, RowProperties };

    struct Group {
        RtfCharProps chr;
        RtfParaProps para;
        Dest dest = Dest::Text;
        Dest outerDest = Dest::Text; // what \fldrslt and \ud go back to
        bool hidden = false;         // \v
        int uc = 1;
        int field = -1;
    };

    struct Field {
        QString instruction;
        int link = -2; // -2 not looked at yet, -1 not a link
    };

    // tokens
    void openGroup();
    bool closeGroup();
    void controlWord();
    void controlSymbol(char c);
    void hexByte();
    void plainText();
    void skipGroup();
    int readParameter(bool *has);

    // control words, by group
    void keyword(const RtfKeywordInfo &kw, int param, bool hasParam);
    void destinationKeyword(const RtfKeywordInfo &kw, int param);
    void documentKeyword(const RtfKeywordInfo &kw, int param, bool hasParam);
    void characterKeyword(const RtfKeywordInfo &kw, int param, bool hasParam);
    void paragraphKeyword(const RtfKeywordInfo &kw, int param);
    void breakKeyword(const RtfKeywordInfo &kw);

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
    void startCell();
    int codePage();
    int fieldLink(int field);

    QByteArrayView m_data;
    qsizetype m_pos = 0;
    RtfTables m_tables;
    RtfDocumentBuilder m_out;
    RtfCodePages m_codePages;

    std::vector<Group> m_stack;
    Group m_cur;
    size_t m_flattened = 0;
    bool m_ended = false;

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

    QByteArray m_bytes; // text bytes not yet decoded
    int m_bytesCodePage = 0;
    bool m_bytesSymbol = false;
    bool m_bytesWingdings = false;
    QString m_scratch;
};

} // namespace veldra::rtf
