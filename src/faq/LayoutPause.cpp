#include "faq/LayoutPause.h"

#include "richtext/RichTextBox.h"

#include <QTextDocument>

namespace veldra::faq
{

LayoutPause::LayoutPause(richtext::RichTextBox &box)
    : m_box(box)
    , m_layoutWasEnabled(box.document()->isLayoutEnabled())
    , m_updatesWereEnabled(box.updatesEnabled())
{
    m_box.document()->setLayoutEnabled(false);
    m_box.setUpdatesEnabled(false);
}

LayoutPause::~LayoutPause()
{
    m_box.document()->setLayoutEnabled(m_layoutWasEnabled);
    m_box.setUpdatesEnabled(m_updatesWereEnabled);
}

} // namespace veldra::faq
