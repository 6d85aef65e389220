#pragma once

#include "platform/Pointer.h"
#include "platform/TextIndex.h"
#include "text/Result.h"

#include <QColor>
#include <QCursor>
#include <QString>
#include <QTextEdit>
#include <QTextFormat>

namespace veldra::platform
{

class LayoutDriver;

// The rich-text box: a QTextEdit that behaves like the word-processor control the
// program was designed around. Its plain text counts every line break as the two
// characters CR LF (a paragraph's end and a line break inside a paragraph alike),
// and every index it reports or takes (find, caret, character-from-point) counts
// the same way. Tables and notes are paragraphs like any other there: each cell's
// paragraph is a line.
class RichTextBox : public QTextEdit
{
    Q_OBJECT
public:
    explicit RichTextBox(QWidget *parent = nullptr);

    // Whole text. Setting it drops all formatting; CR LF, a lone CR and a lone LF
    // each start a new line.
    void setText(const QString &text);
    QString text() const;
    int textLength() const;

    // Appends plain text at the end; what is already there keeps its formatting.
    void appendText(const QString &text);

    // Loads a file with the default type: a file that starts with "{\rtf" is read
    // as rich text and shown formatted, any other file is shown as plain
    // Windows-1252 text, one line per line. A file that cannot be read leaves the
    // box as it was; the error is the system's description.
    // A large rich-text document is read in slices while the window's events go
    // on; the box shows it, complete, when the call returns. Changing the box's
    // text in the meantime, or closing it, drops the load with an error.
    Status loadFile(const QString &path);

    // Finds `what` in the text between `start` and `end` (end -1 = to the end),
    // ignoring case, not limited to whole words. Selects the match and returns
    // the index of its first character, or -1.
    int find(const QString &what, int start, int end = -1);

    // Caret (selection start) and selection length.
    void setSelStart(int index);
    int selStart() const;
    int selLength() const;

    // Formatting of the selection: colour given as 0xBBGGRR, and the Boolean link
    // attribute (shown underlined, carried as an anchor whose target is the
    // selected text). Both apply to exactly the selected characters; without a
    // selection nothing changes. Hyperlinks of a loaded RTF document are anchors
    // too and count as links.
    void setSelColor(unsigned int bgr);
    void setSelLink(bool on);
    // The same for the characters between two document positions, leaving the
    // selection where it is: for marking many ranges in one go.
    // Setting the link attribute can give the characters a colour in the same pass.
    void setRangeColor(int fromPosition, int toPosition, unsigned int bgr);
    void setRangeLink(int fromPosition, int toPosition, bool on, const QColor &colour = QColor());
    static QColor ColorFromBgr(unsigned int bgr);
    bool isLinkAt(int index) const;
    QColor colorAt(int index) const;

    // Index of the character nearest to a point in viewport pixels, or -1.
    int charFromPos(const QPoint &viewportPos) const;

    // The text of the line holding `index` (from one line break of the plain text
    // to the next), and the index of its first character; lets callers look at a
    // word without fetching the whole text.
    QString lineAt(int index, int *lineStart) const;

    // The pointer over the text: the box's own, the arrow or a picture.
    void setMousePointer(PointerKind kind, const QCursor &custom = QCursor());
    PointerKind mousePointer() const { return m_pointerKind; }

    // Conversions between CR LF counted indexes and document positions.
    int indexToPosition(int index) const;
    int positionToIndex(int position) const;

    // Character properties: the link attribute set by setSelLink, and the
    // underline it added to characters that had none.
    static constexpr int kLinkAttribute = QTextFormat::UserProperty + 1;
    static constexpr int kLinkUnderline = QTextFormat::UserProperty + 2;

private:
    // Splits text at CR LF, lone CR and lone LF into paragraphs.
    static QString NormaliseLineBreaks(const QString &text);
    void showPlain(const QString &text);
    Status loadRtf(const QByteArray &data);
    void adopt(QTextDocument *doc);
    void watchDocument();

    PointerKind m_pointerKind = PointerKind::Default;
    TextIndex m_index;
    LayoutDriver *m_layoutDriver = nullptr;
    quint64 m_generation = 0; // counts the changes of the whole text
};

} // namespace veldra::platform
