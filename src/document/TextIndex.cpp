#include "document/TextIndex.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace veldra::document
{

namespace
{
constexpr char16_t kLineBreak = 0x2028;
}

const std::vector<int> &TextIndex::breaks() const
{
    if (m_valid)
        return m_breaks;
    m_breaks.clear();
    const QString raw = m_doc->toRawText();
    for (qsizetype i = raw.indexOf(QChar(kLineBreak)); i >= 0; i = raw.indexOf(QChar(kLineBreak), i + 1))
        m_breaks.push_back(int(i));
    m_valid = true;
    return m_breaks;
}

int TextIndex::breaksBefore(int position) const
{
    const std::vector<int> &b = breaks();
    return int(std::lower_bound(b.begin(), b.end(), position) - b.begin());
}

QString TextIndex::text() const
{
    QString out;
    out.reserve(length());
    for (QTextBlock b = m_doc->begin(); b.isValid(); b = b.next()) {
        if (b != m_doc->begin())
            out += QLatin1String("\r\n");
        QString t = b.text();
        if (!breaks().empty())
            t.replace(QChar(kLineBreak), QLatin1String("\r\n"));
        out += t;
    }
    return out;
}

int TextIndex::length() const
{
    return m_doc->characterCount() - 1 + m_doc->blockCount() - 1 + int(breaks().size());
}

int TextIndex::toIndex(int position) const
{
    const QTextBlock b = m_doc->findBlock(position);
    return position + (b.isValid() ? b.blockNumber() : qMax(0, m_doc->blockCount() - 1)) + breaksBefore(position);
}

int TextIndex::toPosition(int index) const
{
    if (index <= 0)
        return 0;
    // The last block whose first character's index is <= index.
    const auto blockIndex = [this](const QTextBlock &b) {
        return b.position() + b.blockNumber() + breaksBefore(b.position());
    };
    int lo = 0, hi = m_doc->blockCount() - 1;
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (blockIndex(m_doc->findBlockByNumber(mid)) <= index)
            lo = mid;
        else
            hi = mid - 1;
    }
    const QTextBlock b = m_doc->findBlockByNumber(lo);
    const int blockEnd = qMin(b.position() + b.length() - 1, m_doc->characterCount() - 1);
    int position = b.position();
    int remaining = index - blockIndex(b);
    const std::vector<int> &lineBreaks = breaks();
    for (auto it = std::lower_bound(lineBreaks.begin(), lineBreaks.end(), b.position());
         it != lineBreaks.end() && *it < blockEnd; ++it) {
        const int before = *it - position;
        if (remaining <= before)
            break;
        if (remaining == before + 1)
            return *it; // the LF of the line break
        remaining -= before + 2;
        position = *it + 1;
    }
    return qMin(position + remaining, blockEnd);
}

QString TextIndex::lineAt(int index, int *lineStart) const
{
    const int position = toPosition(index);
    const QTextBlock b = m_doc->findBlock(position);
    if (!b.isValid()) {
        if (lineStart)
            *lineStart = 0;
        return QString();
    }
    const QString text = b.text();
    // The part of the paragraph between the line breaks around the position.
    const int offset = position - b.position();
    const qsizetype from = offset > 0 ? text.lastIndexOf(QChar(kLineBreak), offset - 1) + 1 : 0;
    const qsizetype found = text.indexOf(QChar(kLineBreak), from);
    const qsizetype to = found < 0 ? text.size() : found;
    if (lineStart)
        *lineStart = toIndex(b.position() + int(from));
    return text.mid(from, to - from);
}

} // namespace veldra::document
