#include "text/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

namespace veldra::text
{

namespace
{
// The five bytes Windows-1252 leaves unassigned decode to the C1 control of the
// same value, as Windows itself does, so that no byte is ever lost.
constexpr char16_t kUnassigned[] = {0x81, 0x8D, 0x8F, 0x90, 0x9D};

// The characters of all 256 bytes, looked up once: decoding is then a table
// lookup per byte rather than a converter per call.
const std::array<char16_t, 256> &DecodeTable()
{
    static const std::array<char16_t, 256> table = [] {
        std::array<char16_t, 256> t{};
        QStringDecoder dec("windows-1252", QStringDecoder::Flag::Stateless);
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString c = dec.decode(QByteArrayView(&byte, 1));
            t[size_t(b)] = c.size() == 1 && c.at(0) != QChar::ReplacementCharacter ? c.at(0).unicode() : char16_t(b);
            dec.resetState();
        }
        // Bytes ICU leaves undecoded keep their own value.
        for (char16_t u : kUnassigned)
            t[u] = u;
        return t;
    }();
    return table;
}

} // namespace

QString DecodeAnsi(QByteArrayView bytes)
{
    // Plain ASCII, the bulk of every file, is copied as it is.
    unsigned char high = 0;
    for (char b : bytes)
        high |= static_cast<unsigned char>(b);
    if (high < 0x80)
        return QString::fromLatin1(bytes);
    const std::array<char16_t, 256> &table = DecodeTable();
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *to = out.data();
    for (char b : bytes)
        *to++ = QChar(table[static_cast<unsigned char>(b)]);
    return out;
}

QByteArray EncodeAnsi(QStringView text)
{
    // Encode character by character only where needed, so an unmappable
    // character becomes exactly one "?".
    bool ascii = true;
    for (QChar c : text)
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return text.toLatin1();
    QStringEncoder enc("windows-1252", QStringEncoder::Flag::Stateless);
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.unicode() < 0x80) {
            out.append(char(c.unicode()));
            continue;
        }
        bool unassigned = false;
        for (char16_t u : kUnassigned)
            if (u == c.unicode())
                unassigned = true;
        if (unassigned) {
            out.append(char(c.unicode()));
            continue;
        }
        qsizetype len = 1;
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            len = 2;
        QByteArray b = enc.encode(text.mid(i, len));
        if (enc.hasError() || b.size() != 1 || b.at(0) == 0x1A) {
            out.append('?');
            // resetState() keeps the error flag set, which would turn every
            // later character into "?" as well; start a fresh encoder instead.
            enc = QStringEncoder("windows-1252", QStringEncoder::Flag::Stateless);
        } else {
            out.append(b);
        }
        i += len - 1;
    }
    return out;
}

} // namespace veldra::text
