#include "platform/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {

namespace {
// The five bytes Windows-1252 leaves unassigned decode to the C1 control of the
// same value, as Windows itself does, so that no byte is ever lost.
constexpr char16_t kUnassigned[] = {0x81, 0x8D, 0x8F, 0x90, 0x9D};
} // namespace

QString DecodeAnsi(QByteArrayView bytes)
{
    // Plain ASCII, the bulk of every file, needs no converter.
    unsigned char high = 0;
    for (char b : bytes)
        high |= static_cast<unsigned char>(b);
    if (high < 0x80)
        return QString::fromLatin1(bytes);
    QStringDecoder dec("windows-1252", QStringDecoder::Flag::Stateless);
    QString out = dec.decode(bytes);
    if (out.size() == bytes.size()) {
        // Patch unassigned bytes that ICU may have turned into U+FFFD.
        for (qsizetype i = 0; i < out.size(); ++i) {
            if (out.at(i) == QChar::ReplacementCharacter) {
                const auto b = static_cast<unsigned char>(bytes.at(i));
                for (char16_t u : kUnassigned)
                    if (u == b)
                        out[i] = QChar(u);
            }
        }
    }
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

} // namespace platform
