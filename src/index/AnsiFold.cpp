#include "index/AnsiFold.h"

#include "text/CodePage.h"

#include <QChar>

namespace veldra::index
{

const AnsiFold &AnsiFold::instance()
{
    static const AnsiFold fold;
    return fold;
}

AnsiFold::AnsiFold()
{
    for (int b = 0; b < 256; ++b) {
        const char byte = char(b);
        const QString text = text::DecodeAnsi(QByteArrayView(&byte, 1));
        // The code page maps every byte to exactly one character of the basic
        // plane; should a decoder ever disagree, the byte keeps its own value.
        m_char[b] = text.size() == 1 ? text.at(0).unicode() : char16_t(b);
        m_fold[b] = QChar(m_char[b]).toCaseFolded().unicode();
    }
    for (int b = 0; b < 256; ++b) {
        int first = 0;
        while (m_fold[first] != m_fold[b])
            ++first;
        m_class[b] = uchar(first);
    }
}

bool AnsiFold::classesOf(QStringView text, QByteArray *out) const
{
    out->resize(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t folded = text.at(i).toCaseFolded().unicode();
        int found = -1;
        for (int b = 0; b < 256 && found < 0; ++b)
            if (m_fold[b] == folded)
                found = m_class[b];
        if (found < 0)
            return false;
        (*out)[i] = char(found);
    }
    return true;
}

QByteArray AnsiFold::classesOf(QByteArrayView bytes) const
{
    QByteArray out(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = char(m_class[uchar(bytes.at(i))]);
    return out;
}

QString AnsiFold::decode(QByteArrayView bytes) const
{
    QString out(bytes.size(), Qt::Uninitialized);
    char16_t *dst = reinterpret_cast<char16_t *>(out.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        dst[i] = m_char[uchar(bytes.at(i))];
    return out;
}

} // namespace veldra::index
