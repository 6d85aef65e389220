#include "links/WordScan.h"

#include "richtext/RichTextBox.h"

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

QString ScanWord(const QString &text, int index)
{
    if (index < 0 || index >= text.size())
        return QString();
    int before = index;
    while (before >= 0 && !EndsWordBackward(text.at(before)))
        --before;
    const int start = before + 1;
    int end = index;
    while (end < text.size() && !EndsWordForward(text.at(end)))
        ++end;
    return end > start ? text.mid(start, end - start) : QString();
}

QString WordAtIndex(const richtext::RichTextBox &box, int index)
{
    if (index < 0 || index >= box.textLength())
        return QString();
    // The line is preceded by an LF (or nothing) and followed by a CR (or
    // nothing), which end the scan just as they would in the whole text.
    int lineStart = 0;
    QString window = box.lineAt(index, &lineStart);
    const int offset = index - lineStart;
    if (offset > window.size()) {
        // On the LF itself the forward scan runs on into the next line.
        int nextStart = 0;
        window += QLatin1String("\r\n") + box.lineAt(index + 1, &nextStart);
    }
    return ScanWord(window, offset);
}

} // namespace veldra::links
