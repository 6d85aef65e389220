#include "platform/RichTextBox.h"

#include "platform/LayoutDriver.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <vector>

namespace veldra::platform
{

// Splits text at CR LF, lone CR and lone LF into paragraphs separated by "\n",
// which QTextDocument turns into blocks.
QString RichTextBox::NormaliseLineBreaks(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r')) {
            out += QLatin1Char('\n');
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else {
            out += c;
        }
    }
    return out;
}

RichTextBox::RichTextBox(QWidget *parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    viewport()->setMouseTracking(true);
    viewport()->setCursor(Qt::IBeamCursor);
    m_layoutDriver = new LayoutDriver(this);
    watchDocument();
}

void RichTextBox::watchDocument()
{
    m_index.setDocument(document());
    connect(document(), &QTextDocument::contentsChange, this, [this] { m_index.invalidate(); });
}

void RichTextBox::setText(const QString &text)
{
    showPlain(NormaliseLineBreaks(text));
}

void RichTextBox::showPlain(const QString &text)
{
    // A text edit gives new plain text the format at its caret; the formatting
    // of a document shown before must not carry over.
    ++m_generation;
    m_layoutDriver->stop();
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
    QTextCursor c(document());
    c.movePosition(QTextCursor::End);
    // The new text does not continue a link that ends the box.
    QTextCharFormat plain = c.charFormat();
    if (plain.boolProperty(kLinkUnderline))
        plain.setFontUnderline(false);
    plain.clearProperty(kLinkUnderline);
    plain.clearProperty(kLinkAttribute);
    plain.setAnchor(false);
    plain.clearProperty(QTextFormat::AnchorHref);
    plain.clearForeground();
    c.insertText(NormaliseLineBreaks(text), plain);
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
        const QTextCursor hit = document()->find(what, indexToPosition(start));
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
    f.setForeground(ColorFromBgr(bgr));
    c.mergeCharFormat(f);
}

QColor RichTextBox::ColorFromBgr(unsigned int bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
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
            QTextCharFormat f = frag.charFormat();
            if (on) {
                if (!f.fontUnderline()) {
                    f.setFontUnderline(true);
                    f.setProperty(kLinkUnderline, true);
                }
                f.setProperty(kLinkAttribute, true);
                f.setAnchor(true);
                f.setAnchorHref(href);
                if (colour.isValid())
                    f.setForeground(colour);
            } else {
                if (f.boolProperty(kLinkUnderline))
                    f.setFontUnderline(false);
                f.clearProperty(kLinkUnderline);
                f.clearProperty(kLinkAttribute);
                f.setAnchor(false);
                f.clearProperty(QTextFormat::AnchorHref);
            }
            pieces.push_back({from, to, f});
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

void RichTextBox::setMousePointer(PointerKind kind, const QCursor &custom)
{
    m_pointerKind = kind;
    if (kind == PointerKind::Custom)
        viewport()->setCursor(custom);
    else if (kind == PointerKind::Arrow)
        viewport()->setCursor(Qt::ArrowCursor);
    else
        viewport()->setCursor(Qt::IBeamCursor);
}

} // namespace veldra::platform
