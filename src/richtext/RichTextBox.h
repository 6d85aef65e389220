#pragma once

#include "desktop/Pointer.h"
#include "document/LinkFormat.h"
#include "document/TextIndex.h"
#include "richtext/LayoutPacer.h"
#include "text/Result.h"

#include <QColor>
#include <QCursor>
#include <QString>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextFormat>

#include <memory>

class QMenu;

namespace veldra::richtext
{

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

    // The page and the text without a colour of its own, whatever the theme.
    static QColor PaperColour();
    static QColor InkColour();

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

    // Shows a finished document in one go, in place of the one shown before, with
    // the caret at `caretPosition` (a document position) and the view at the top.
    // The box takes the document over; it lays it out bit by bit as it is shown.
    void showDocument(std::unique_ptr<QTextDocument> doc, int caretPosition);

    // Empties the box as setText(QString()) does, and hands over the document it
    // showed when that is one it was given (else null): freeing a long document
    // takes a while, which the caller can spend where it costs nothing.
    std::unique_ptr<QTextDocument> clearAndTakeDocument();

    // Counts the changes of the box's text (set, appended, loaded, shown). Work
    // that lets events run before it shows its result compares the count to see
    // whether something newer has been shown meanwhile.
    int contentGeneration() const { return m_generation; }

    // Finds `what` in the text between `start` and `end` (end -1 = to the end),
    // ignoring case, not limited to whole words. Selects the match and returns
    // the index of its first character, or -1.
    int find(const QString &what, int start, int end = -1);

    // The first match of `what` from document position `position` on, letter
    // case ignored, as the lines read: a match may run across the display
    // blocks of a long paragraph. Null when there is none.
    QTextCursor findCursor(const QString &what, int position) const;

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
    bool isLinkAt(int index) const;
    QColor colorAt(int index) const;

    // Index of the character nearest to a point in viewport pixels, or -1.
    int charFromPos(const QPoint &viewportPos) const;

    // The text of the line holding `index` (from one line break of the plain text
    // to the next), and the index of its first character; lets callers look at a
    // word without fetching the whole text.
    QString lineAt(int index, int *lineStart) const;
    // At most about `radius` characters of it either side of `index`.
    document::TextIndex::LineWindow lineWindowAt(int index, int radius) const
    {
        return m_index.lineWindowAt(index, radius);
    }

    // The pointer over the text: the box's own, the arrow or a picture.
    void setMousePointer(desktop::PointerKind kind, const QCursor &custom = QCursor());
    desktop::PointerKind mousePointer() const { return m_pointerKind; }

    // Conversions between CR LF counted indexes and document positions.
    int indexToPosition(int index) const;
    int positionToIndex(int position) const;

    // Character properties: the link attribute set by setSelLink, and the
    // underline it added to characters that had none.
    static constexpr int kLinkAttribute = document::kLinkAttribute;
    static constexpr int kLinkUnderline = document::kLinkUnderline;

signals:
    // The context menu (by the pointer or the keyboard) is about to show at
    // `viewportPos`, the pointer or the caret. Whoever adds entries for what
    // lies there does so now; the menu is gone once it closes.
    void contextMenuShowing(QMenu *menu, const QPoint &viewportPos);

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    // Ctrl+End (with Shift or without) before a long document is laid out to
    // its end would lay out all the rest at once, the window waiting: the
    // caret goes there once the layout in the background gets there. Another
    // key or a click in the meantime is the user's next wish instead.
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    // A copy gives the lines as they read, without the separators between
    // display blocks.
    QMimeData *createMimeDataFromSelection() const override;

private:
    void showPlain(const QString &text);

    desktop::PointerKind m_pointerKind = desktop::PointerKind::Default;
    Status loadRtf(const QByteArray &data);
    // Shows `doc`, which the box then owns, in place of the document before.
    void adopt(QTextDocument *doc);
    // Follows the changes of the document shown now.
    void watchDocument();

    LayoutPacer m_pacer;
    document::TextIndex m_index;
    int m_generation = 0;
};

} // namespace veldra::richtext
