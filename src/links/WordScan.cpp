#include "links/WordScan.h"

#include "richtext/RichTextBox.h"

#include <limits>

namespace veldra::links
{

namespace
{

bool EndsWordBackward(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

bool EndsWordForward(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\r');
}

} // namespace

// The word's bounds [*start, *end) in `text`.
void ScanWordBounds(const QString &text, int index, int *start, int *end)
{
    int before = index;
    while (before >= 0 && !EndsWordBackward(text.at(before)))
        --before;
    *start = before + 1;
    *end = index;
    while (*end < text.size() && !EndsWordForward(text.at(*end)))
        ++*end;
}

QString ScanWord(const QString &text, int index)
{
    if (index < 0 || index >= text.size())
        return QString();
    int start = 0;
    int end = 0;
    ScanWordBounds(text, index, &start, &end);
    return end > start ? text.mid(start, end - start) : QString();
}

QString WordAtIndex(const richtext::RichTextBox &box, int index)
{
    if (index < 0 || index >= box.textLength())
        return QString();
    // The text around the index, not the whole line: a line may be tens of
    // megabytes long, and the pointer moves over it many times a second. A
    // word that reaches the edge of what was looked at is looked for again in
    // more.
    for (int radius = 256;; radius = radius > (1 << 28) ? std::numeric_limits<int>::max() : radius * 4) {
        // The line is preceded by an LF (or nothing) and followed by a CR (or
        // nothing), which end the scan just as they would in the whole text.
        const document::TextIndex::LineWindow line = box.lineWindowAt(index, radius);
        QString window = line.text;
        bool clippedAfter = line.clippedAfter;
        const int offset = index - line.start;
        if (offset > window.size()) {
            // On the LF itself the forward scan runs on into the next line.
            const document::TextIndex::LineWindow next = box.lineWindowAt(index + 1, radius);
            window += QLatin1String("\r\n") + next.text;
            clippedAfter = next.clippedAfter;
        }
        if (offset < 0 || offset >= window.size())
            return QString();
        int start = 0;
        int end = 0;
        ScanWordBounds(window, offset, &start, &end);
        const bool whole = (start > 0 || !line.clippedBefore) && (end < window.size() || !clippedAfter);
        if (whole || radius == std::numeric_limits<int>::max())
            return end > start ? window.mid(start, end - start) : QString();
    }
}

} // namespace veldra::links
