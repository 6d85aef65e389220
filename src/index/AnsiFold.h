#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <array>

namespace veldra::index
{

// The index is Windows-1252 text, one byte per character, so it is searched as
// bytes. Comparing without case must still follow the Unicode rules QString uses
// (simple case folding of each character), so every byte gets a class: the
// smallest byte whose character folds to the same character. Two bytes are equal
// without case exactly when their classes are equal.
class AnsiFold
{
public:
    static const AnsiFold &instance();

    uchar classOf(uchar byte) const { return m_class[byte]; }
    const uchar *classes() const { return m_class.data(); }

    // The classes of the characters of `text`. Returns false when one of them
    // folds to a character that no byte folds to: such a text occurs nowhere
    // in an index.
    bool classesOf(QStringView text, QByteArray *out) const;
    // The classes of raw index bytes.
    QByteArray classesOf(QByteArrayView bytes) const;

    // The bytes' text, as DecodeAnsi gives it, without setting up a decoder.
    QString decode(QByteArrayView bytes) const;

private:
    AnsiFold();
    std::array<char16_t, 256> m_char{};
    std::array<char16_t, 256> m_fold{};
    std::array<uchar, 256> m_class{};
};

} // namespace veldra::index
