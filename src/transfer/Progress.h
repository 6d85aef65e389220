#pragma once

#include <QString>
#include <QtGlobal>

namespace veldra::transfer
{

// The progress display of long operations: a caption, a status line and an
// optional bar. Downloads and the search report through it; the shell's
// progress window shows it, a test may record it. When the user has closed the
// window, the calls that follow do nothing visible.
class Progress
{
public:
    virtual ~Progress() = default;
    // Opens the display or brings it up again. An empty status keeps the current
    // status line; showing the bar resets it to 0.
    virtual void ShowProgress(const QString &caption, const QString &status, bool showStatus, bool showBar) = 0;
    virtual void setValue(int value) = 0;
    virtual void setMaximum(int maximum) = 0;
    // `repaintNow` shows the new text at once, without waiting for the event loop.
    virtual void setStatus(const QString &text, bool repaintNow = false) = 0;
    virtual void close() = 0;
    // How much of a download has arrived: `received` bytes of `total`, or of
    // an unknown size when `total` is -1. Most displays show nothing of it.
    virtual void bytesReceived(qint64 received, qint64 total)
    {
        Q_UNUSED(received);
        Q_UNUSED(total);
    }
};

// A display that shows nothing, for work done where nobody watches.
class NoProgress : public Progress
{
public:
    void ShowProgress(const QString &, const QString &, bool, bool) override {}
    void setValue(int) override {}
    void setMaximum(int) override {}
    void setStatus(const QString &, bool) override {}
    void close() override {}
};

} // namespace veldra::transfer
