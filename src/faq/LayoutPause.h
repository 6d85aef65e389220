#pragma once

namespace veldra::richtext
{
class RichTextBox;
}

namespace veldra::faq
{

// Switches a box's layout and painting off for a batch of changes and back on
// when it goes out of scope. Every selection in the box scrolls to it, which lays
// the document out up to there, and every format change lays out what follows
// it again; on a long body that is minutes of work. Paused, the document is laid
// out once, lazily, afterwards. Pauses nest.
class LayoutPause
{
public:
    explicit LayoutPause(richtext::RichTextBox &box);
    ~LayoutPause();
    LayoutPause(const LayoutPause &) = delete;
    LayoutPause &operator=(const LayoutPause &) = delete;

private:
    richtext::RichTextBox &m_box;
    bool m_layoutWasEnabled;
    bool m_updatesWereEnabled;
};

} // namespace veldra::faq
