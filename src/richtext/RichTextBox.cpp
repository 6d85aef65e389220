#include "richtext/RichTextBox.h"

#include "document/BoxDocument.h"
#include "document/DisplayBlocks.h"
#include "rtf/RtfReader.h"
#include "text/CodePage.h"

#include <QAbstractTextDocumentLayout>
#include <QContextMenuEvent>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <vector>

namespace veldra::richtext
{

RichTextBox::RichTextBox(QWidget *parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    viewport()->setMouseTracking(true);
    viewport()->setCursor(Qt::IBeamCursor);
    // Documents are written for a sheet of paper: their colours, and the blue
    // of their links, are chosen for a light page. The page stays light in a
    // dark desktop theme, where the theme's own text and link colours would
    // vanish against it.
    QPalette page = palette();
    page.setColor(QPalette::Base, PaperColour());
    page.setColor(QPalette::Text, InkColour());
    page.setColor(QPalette::Link, QColor(0, 0, 255));
    page.setColor(QPalette::LinkVisited, QColor(128, 0, 128));
    setPalette(page);
    watchDocument();
}

void RichTextBox::watchDocument()
{
    m_index.setDocument(document());
    connect(document(), &QTextDocument::contentsChange, this, [this] { m_index.invalidate(); });
    m_pacer.watch(document());
}

QColor RichTextBox::PaperColour()
{
    return QColor(255, 255, 255);
}

QColor RichTextBox::InkColour()
{
    return QColor(0, 0, 0);
}

void RichTextBox::setText(const QString &text)
{
    showPlain(document::NormaliseLineBreaks(text));
}

void RichTextBox::showPlain(const QString &text)
{
    ++m_generation;
    // A text edit gives new plain text the format at its caret; the formatting
    // of a document shown before must not carry over.
    document()->clear();
    setCurrentCharFormat(QTextCharFormat());
    setPlainText(text);
}

QString RichTextBox::text() const
{
    return m_index.text();
}

int RichTextBox::textLength() const
{
    return m_index.length();
}

void RichTextBox::appendText(const QString &text)
{
    ++m_generation;
    document::AppendPlainText(*document(), text);
}

void RichTextBox::showDocument(std::unique_ptr<QTextDocument> doc, int caretPosition)
{
    ++m_generation;
    // The text edit deletes the document it made itself; the ones it was given
    // are the box's to delete.
    const QPointer<QTextDocument> previous = document();
    // The caret is placed before the box lays the document out: a cursor placed
    // in a document that is being laid out has the layout done up to it first.
    QTextCursor caret(doc.get());
    caret.setPosition(qBound(0, caretPosition, doc->characterCount() - 1));
    // Without a page size a document is not laid out; the text edit sets one
    // once it has taken the document, which lays out the first lines once
    // rather than once for every setting it takes over.
    doc->setPageSize(QSizeF(0, 0));
    doc->setUndoRedoEnabled(false);
    doc->setParent(this);
    setDocument(doc.release());
    watchDocument();
    if (caret.block().layout()->lineCount() > 0) {
        setTextCursor(caret);
    } else {
        // Setting the caret also scrolls to it, and finding where it lies on
        // the screen would lay out everything before it at once. Placed while
        // there is no page size, it is not looked for; the layout starts again.
        const QSizeF page = document()->pageSize();
        document()->setPageSize(QSizeF(0, 0));
        setTextCursor(caret);
        document()->setPageSize(page);
    }
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    if (previous && previous->parent() == this)
        delete previous;
}

std::unique_ptr<QTextDocument> RichTextBox::clearAndTakeDocument()
{
    QTextDocument *shown = document();
    if (shown->parent() != this) {
        setText(QString());
        return nullptr;
    }
    shown->setParent(nullptr);
    showDocument(document::NewDocument(document::SettingsOf(*shown)), 0);
    return std::unique_ptr<QTextDocument>(shown);
}

int RichTextBox::indexToPosition(int index) const
{
    return m_index.toPosition(index);
}

int RichTextBox::positionToIndex(int position) const
{
    return m_index.toIndex(position);
}

int RichTextBox::find(const QString &what, int start, int end)
{
    if (what.isEmpty())
        return -1;
    const int length = textLength();
    if (end < 0 || end > length)
        end = length;
    if (start < 0)
        start = 0;
    if (start >= end)
        return -1;
    int matchIndex = -1;
    int matchLen = 0;
    if (!what.contains(QLatin1Char('\r')) && !what.contains(QLatin1Char('\n'))) {
        const QTextCursor hit = findCursor(what, indexToPosition(start));
        if (!hit.isNull()) {
            matchIndex = positionToIndex(hit.selectionStart());
            matchLen = positionToIndex(hit.selectionEnd()) - matchIndex;
            // A match that starts inside the window but ends after it does not count.
            if (matchIndex < start)
                matchIndex = -1;
        }
    } else {
        const int at = int(text().indexOf(what, start, Qt::CaseInsensitive));
        if (at >= 0) {
            matchIndex = at;
            matchLen = int(what.size());
        }
    }
    if (matchIndex < 0 || matchIndex + matchLen > end)
        return -1;
    QTextCursor c(document());
    c.setPosition(indexToPosition(matchIndex));
    c.setPosition(indexToPosition(matchIndex + matchLen), QTextCursor::KeepAnchor);
    setTextCursor(c);
    return matchIndex;
}

QTextCursor RichTextBox::findCursor(const QString &what, int position) const
{
    return document::FindText(*document(), m_index.joins(), what, position);
}

void RichTextBox::setSelStart(int index)
{
    QTextCursor c(document());
    c.setPosition(indexToPosition(qBound(0, index, textLength())));
    setTextCursor(c);
}

int RichTextBox::selStart() const
{
    return positionToIndex(textCursor().selectionStart());
}

int RichTextBox::selLength() const
{
    const QTextCursor c = textCursor();
    return positionToIndex(c.selectionEnd()) - positionToIndex(c.selectionStart());
}

void RichTextBox::setSelColor(unsigned int bgr)
{
    const QTextCursor c = textCursor();
    if (c.hasSelection())
        setRangeColor(c.selectionStart(), c.selectionEnd(), bgr);
}

void RichTextBox::setSelLink(bool on)
{
    const QTextCursor c = textCursor();
    if (c.hasSelection())
        setRangeLink(c.selectionStart(), c.selectionEnd(), on);
}

void RichTextBox::setRangeColor(int from, int to, unsigned int bgr)
{
    QTextCursor c(document());
    c.setPosition(from);
    c.setPosition(to, QTextCursor::KeepAnchor);
    QTextCharFormat f;
    f.setForeground(document::ColorFromBgr(bgr));
    c.mergeCharFormat(f);
}

void RichTextBox::setRangeLink(int start, int end, bool on, const QColor &colour)
{
    QTextCursor range(document());
    range.setPosition(start);
    range.setPosition(end, QTextCursor::KeepAnchor);
    const QString href = range.selectedText();
    // Worked out per stretch of equal formatting, so that taking the attribute
    // away removes only the underline it brought and text underlined by the
    // document keeps its underline.
    struct Piece {
        int from, to;
        QTextCharFormat format;
    };
    std::vector<Piece> pieces;
    for (QTextBlock b = document()->findBlock(start); b.isValid() && b.position() < end; b = b.next()) {
        for (QTextBlock::iterator it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment frag = it.fragment();
            const int from = qMax(start, frag.position());
            const int to = qMin(end, frag.position() + frag.length());
            if (from >= to)
                continue;
            pieces.push_back(
                {from, to,
                 on ? document::WithLink(frag.charFormat(), colour, href) : document::WithoutLink(frag.charFormat())});
        }
    }
    for (const Piece &p : pieces) {
        QTextCursor c(document());
        c.setPosition(p.from);
        c.setPosition(p.to, QTextCursor::KeepAnchor);
        c.setCharFormat(p.format);
    }
}

static QTextCharFormat FormatOfCharAt(const QTextDocument *doc, int position)
{
    QTextCursor c(const_cast<QTextDocument *>(doc));
    c.setPosition(position);
    c.setPosition(position + 1, QTextCursor::KeepAnchor);
    return c.charFormat();
}

bool RichTextBox::isLinkAt(int index) const
{
    const int pos = indexToPosition(index);
    if (pos >= document()->characterCount() - 1)
        return false;
    return FormatOfCharAt(document(), pos).isAnchor();
}

QColor RichTextBox::colorAt(int index) const
{
    const int pos = indexToPosition(index);
    if (pos >= document()->characterCount() - 1)
        return QColor();
    const QTextCharFormat f = FormatOfCharAt(document(), pos);
    return f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color() : palette().color(QPalette::Text);
}

int RichTextBox::charFromPos(const QPoint &viewportPos) const
{
    const QPointF docPt(viewportPos.x() + horizontalScrollBar()->value(),
                        viewportPos.y() + verticalScrollBar()->value());
    QAbstractTextDocumentLayout *layout = document()->documentLayout();
    const int near = layout->hitTest(docPt, Qt::FuzzyHit);
    if (near < 0)
        return -1;
    const QTextBlock block = document()->findBlock(near);
    const QTextLayout *tl = block.isValid() ? block.layout() : nullptr;
    if (!tl || tl->lineCount() == 0)
        return positionToIndex(near);
    // The hit test gives the nearest gap between characters; the control
    // reports the character the point is on.
    const QPointF local = docPt - tl->position();
    for (int i = 0; i < tl->lineCount(); ++i) {
        const QTextLine line = tl->lineAt(i);
        if (local.y() < line.y() + line.height() || i == tl->lineCount() - 1) {
            const int inBlock = line.xToCursor(local.x(), QTextLine::CursorOnCharacter);
            return positionToIndex(block.position() + inBlock);
        }
    }
    return positionToIndex(near);
}

QString RichTextBox::lineAt(int index, int *lineStart) const
{
    return m_index.lineAt(index, lineStart);
}

void RichTextBox::setMousePointer(desktop::PointerKind kind, const QCursor &custom)
{
    m_pointerKind = kind;
    if (kind == desktop::PointerKind::Custom)
        viewport()->setCursor(custom);
    else if (kind == desktop::PointerKind::Arrow)
        viewport()->setCursor(Qt::ArrowCursor);
    else
        viewport()->setCursor(Qt::IBeamCursor);
}

void RichTextBox::keyPressEvent(QKeyEvent *event)
{
    const bool select = event->matches(QKeySequence::SelectEndOfDocument);
    if ((select || event->matches(QKeySequence::MoveToEndOfDocument)) && !m_pacer.finished() &&
        document()->pageSize().width() > 0) {
        m_pacer.whenFinished([this, select] {
            moveCursor(QTextCursor::End, select ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
        });
        event->accept();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
        break;
    default:
        m_pacer.whenFinished(nullptr);
    }
    QTextEdit::keyPressEvent(event);
}

void RichTextBox::mousePressEvent(QMouseEvent *event)
{
    m_pacer.whenFinished(nullptr);
    QTextEdit::mousePressEvent(event);
}

void RichTextBox::contextMenuEvent(QContextMenuEvent *event)
{
    // From the keyboard the menu is about what the caret stands on.
    QPoint at = event->pos();
    QPoint global = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        at = cursorRect().center();
        global = viewport()->mapToGlobal(at);
    }
    // The box's own entries (copy, select all) come first; the standard menu
    // takes its place in the document, the signal its place on the viewport.
    const QPoint scrolled(horizontalScrollBar()->value(), verticalScrollBar()->value());
    std::unique_ptr<QMenu> menu(createStandardContextMenu(at + scrolled));
    if (!menu)
        return;
    emit contextMenuShowing(menu.get(), at);
    menu->exec(global);
}

} // namespace veldra::richtext
