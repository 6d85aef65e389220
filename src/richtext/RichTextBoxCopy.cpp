#include "richtext/RichTextBox.h"

#include <QMimeData>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <algorithm>
#include <vector>

namespace veldra::richtext
{

namespace
{

const QString kHtml = QStringLiteral("text/html");

// A copy across display blocks: the plain text made at once, the formatted
// text only when a program asks for it, as a text edit's own copy does.
class JoinedLinesMimeData : public QMimeData
{
public:
    JoinedLinesMimeData(const QTextCursor &selection, std::vector<int> joins)
        : m_fragment(selection)
        , m_joins(std::move(joins))
    {
        // The selected text has one character for every position: the
        // separators inside lines go, and the rest reads as a text edit's
        // plain text reads.
        QString text = selection.selectedText();
        QChar *out = text.data();
        const QChar *in = out;
        auto join = m_joins.begin();
        for (qsizetype i = 0; i < text.size(); ++i, ++in) {
            if (join != m_joins.end() && *join == i) {
                ++join;
                continue;
            }
            switch (in->unicode()) {
            case 0xfdd0: // the start and end of a frame
            case 0xfdd1:
            case QChar::ParagraphSeparator:
            case QChar::LineSeparator:
                *out++ = u'\n';
                break;
            case QChar::Nbsp:
                *out++ = u' ';
                break;
            default:
                *out++ = *in;
            }
        }
        text.truncate(out - text.data());
        setText(text);
    }

    QStringList formats() const override
    {
        QStringList all = QMimeData::formats();
        if (!all.contains(kHtml))
            all.append(kHtml);
        return all;
    }

protected:
    QVariant retrieveData(const QString &mimeType, QMetaType type) const override
    {
        if (mimeType != kHtml)
            return QMimeData::retrieveData(mimeType, type);
        QTextDocument joined;
        joined.setUndoRedoEnabled(false);
        QTextCursor cursor(&joined);
        cursor.insertFragment(m_fragment);
        for (auto it = m_joins.rbegin(); it != m_joins.rend(); ++it) {
            if (joined.characterAt(*it) != QChar::ParagraphSeparator)
                continue;
            cursor.setPosition(*it);
            cursor.deleteChar();
        }
        return QTextDocumentFragment(&joined).toHtml();
    }

private:
    QTextDocumentFragment m_fragment;
    std::vector<int> m_joins; // separators inside lines, from the selection's start
};

} // namespace

QMimeData *RichTextBox::createMimeDataFromSelection() const
{
    const QTextCursor selection = textCursor();
    const int from = selection.selectionStart();
    const int to = selection.selectionEnd();
    const std::vector<int> &joins = m_index.joins();
    auto first = std::lower_bound(joins.begin(), joins.end(), from);
    const auto last = std::lower_bound(first, joins.end(), to);
    if (first == last)
        return QTextEdit::createMimeDataFromSelection();
    std::vector<int> inside;
    inside.reserve(size_t(last - first));
    for (; first != last; ++first)
        inside.push_back(*first - from);
    return new JoinedLinesMimeData(selection, std::move(inside));
}

} // namespace veldra::richtext
