#include "platform/RtfReader.h"

#include <QTextCursor>
#include <QTextDocument>

namespace platform {

// Placeholder until the full reader lands: shows the text runs without formatting.
bool ReadRtf(QByteArrayView data, QTextDocument *doc)
{
    doc->clear();
    if (!data.startsWith("{\\rtf"))
        return false;
    QString out;
    int depth = 0;
    for (qsizetype i = 0; i < data.size(); ++i) {
        const char c = data[i];
        if (c == '{')
            ++depth;
        else if (c == '}')
            --depth;
        else if (c == '\\') {
            qsizetype j = i + 1;
            while (j < data.size() && ((data[j] >= 'a' && data[j] <= 'z')))
                ++j;
            const QByteArrayView word = data.sliced(i + 1, j - i - 1);
            if (word == "par")
                out += QLatin1Char('\n');
            while (j < data.size() && (data[j] == '-' || (data[j] >= '0' && data[j] <= '9')))
                ++j;
            if (j < data.size() && data[j] == ' ')
                ++j;
            i = j - 1;
        } else if (c != '\r' && c != '\n' && depth == 1)
            out += QLatin1Char(c);
    }
    QTextCursor(doc).insertText(out);
    return true;
}

} // namespace platform
