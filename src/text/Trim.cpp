#include "text/Trim.h"

namespace veldra::text
{

namespace
{

template <typename View, typename Pred> View Trimmed(View text, Pred trim)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && trim(text[begin]))
        ++begin;
    while (end > begin && trim(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

} // namespace

QString TrimSpaces(QStringView text)
{
    return Trimmed(text, [](QChar c) { return c == u' '; }).toString();
}

QByteArrayView TrimSpaces(QByteArrayView bytes)
{
    return Trimmed(bytes, [](char c) { return c == ' '; });
}

QString TrimBlanks(QStringView text)
{
    return Trimmed(text, [](QChar c) { return IsBlank(c); }).toString();
}

bool IsAllSpaces(QStringView text)
{
    for (QChar c : text)
        if (c != u' ')
            return false;
    return true;
}

} // namespace veldra::text
