#pragma once

// Link marking done on a box as a procedure of its own, one prefix per call:
// the program marks the links while it builds a body's document
// (BuildBodyDocument); the tests hold that to this.

#include "document/LinkFormat.h"
#include "faq/BodyDocument.h"
#include "faq/LinkScan.h"
#include "richtext/RichTextBox.h"

#include <QTextCursor>
#include <QTextDocument>

namespace testsupport
{

// Switches a box's layout and painting off for a batch of changes and back on
// when it goes out of scope: every format change would otherwise lay out
// what follows it again.
class LayoutPause
{
public:
    explicit LayoutPause(veldra::richtext::RichTextBox &box)
        : m_box(box)
        , m_layoutWasEnabled(box.document()->isLayoutEnabled())
        , m_updatesWereEnabled(box.updatesEnabled())
    {
        m_box.document()->setLayoutEnabled(false);
        m_box.setUpdatesEnabled(false);
    }
    ~LayoutPause()
    {
        m_box.document()->setLayoutEnabled(m_layoutWasEnabled);
        m_box.setUpdatesEnabled(m_updatesWereEnabled);
    }
    LayoutPause(const LayoutPause &) = delete;
    LayoutPause &operator=(const LayoutPause &) = delete;

private:
    veldra::richtext::RichTextBox &m_box;
    bool m_layoutWasEnabled;
    bool m_updatesWereEnabled;
};

// Marks every link that starts with `prefix` (letter case ignored) in blue with
// the link attribute. A link runs to the next space or line break; one at index 0
// is not looked for. Appends two spaces to the box's text on every call. The
// caret ends one character after the start of the last link.
inline void HighlightLinks(veldra::richtext::RichTextBox &box, const QString &prefix)
{
    const LayoutPause pause(box);
    QTextDocument &doc = *box.document();
    // The spaces make sure a link at the very end still has a space after it.
    box.appendText(QStringLiteral("  "));
    const veldra::faq::LinkScan links = veldra::faq::ScanLinks(doc, prefix);
    veldra::document::MarkLinks(doc, links.ranges, veldra::document::ColorFromBgr(veldra::faq::kLinkColor));
    if (links.lastMatch >= 0) {
        QTextCursor caret(&doc);
        caret.setPosition(links.lastMatch + 1);
        box.setTextCursor(caret);
    }
}

} // namespace testsupport
