#include "rtf/RtfPictureCheck.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace veldra::rtf
{

namespace
{

constexpr std::array<quint32, 256> CrcTable()
{
    std::array<quint32, 256> table{};
    for (quint32 n = 0; n < 256; ++n) {
        quint32 c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<quint32, 256> kCrc = CrcTable();

// The CRC-32 of a PNG chunk: over its type and data.
quint32 Crc(const uchar *p, qsizetype n)
{
    quint32 c = 0xFFFFFFFFu;
    for (qsizetype i = 0; i < n; ++i)
        c = kCrc[(c ^ p[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

quint32 BigEndian32(const uchar *p)
{
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | p[3];
}

bool IsChunkLetter(uchar c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The header's numbers as libpng accepts them.
bool ValidHeader(const uchar *h)
{
    const quint32 width = BigEndian32(h);
    const quint32 height = BigEndian32(h + 4);
    const int depth = h[8];
    const int colour = h[9];
    if (width == 0 || height == 0 || width > 0x7FFFFFFFu || height > 0x7FFFFFFFu)
        return false;
    if (h[10] != 0 || h[11] != 0 || h[12] > 1) // compression, filter, interlace
        return false;
    switch (colour) {
    case 0:
        return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case 3:
        return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case 2:
    case 4:
    case 6:
        return depth == 8 || depth == 16;
    default:
        return false;
    }
}

const char *PngDamage(QByteArrayView data)
{
    static constexpr uchar kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    const auto *p = reinterpret_cast<const uchar *>(data.data());
    const qsizetype n = data.size();
    if (n < 8 || std::memcmp(p, kSignature, 8) != 0)
        return "no PNG signature";
    bool palette = false;
    bool hasPalette = false;
    bool hasData = false;
    for (qsizetype at = 8;;) {
        if (n - at < 12)
            return "cut short";
        const quint32 length = BigEndian32(p + at);
        const uchar *type = p + at + 4;
        if (length > 0x7FFFFFFFu || qint64(length) > n - at - 12)
            return "a chunk runs past the end";
        if (!IsChunkLetter(type[0]) || !IsChunkLetter(type[1]) || !IsChunkLetter(type[2]) || !IsChunkLetter(type[3]))
            return "a chunk without a name";
        if (Crc(type, 4 + qsizetype(length)) != BigEndian32(type + 4 + length))
            return "a chunk's checksum is wrong";
        const bool first = at == 8;
        const bool header = std::memcmp(type, "IHDR", 4) == 0;
        if (first != header)
            return "no header first";
        if (header) {
            if (length != 13 || !ValidHeader(type + 4))
                return "an invalid header";
            palette = type[4 + 9] == 3;
        } else if (std::memcmp(type, "PLTE", 4) == 0) {
            if (length == 0 || length % 3 != 0 || length > 768)
                return "an invalid palette";
            hasPalette = true;
        } else if (std::memcmp(type, "IDAT", 4) == 0) {
            if (palette && !hasPalette)
                return "no palette before the image data";
            hasData = true;
        } else if (std::memcmp(type, "IEND", 4) == 0) {
            return hasData ? nullptr : "no image data";
        }
        at += 12 + qsizetype(length);
    }
}

const char *JpegDamage(QByteArrayView data)
{
    const auto *p = reinterpret_cast<const uchar *>(data.data());
    const qsizetype n = data.size();
    if (n < 4 || p[0] != 0xFF || p[1] != 0xD8 || p[2] != 0xFF)
        return "no JPEG signature";
    bool frame = false;
    qsizetype at = 2;
    while (true) {
        // A marker: 0xFF (any number of them), then its code.
        if (at >= n || p[at] != 0xFF)
            return at >= n ? "cut short" : "a segment without a marker";
        while (at < n && p[at] == 0xFF)
            ++at;
        if (at >= n)
            return "cut short";
        const uchar code = p[at++];
        if (code == 0xD9)
            return frame ? nullptr : "no image";
        if (code == 0x01 || (code >= 0xD0 && code <= 0xD7))
            continue; // markers without a segment
        if (code == 0x00 || code == 0xD8)
            return "a misplaced marker";
        if (n - at < 2)
            return "cut short";
        const qsizetype length = qsizetype(p[at]) << 8 | p[at + 1];
        if (length < 2 || length > n - at)
            return "a segment runs past the end";
        // Start of frame: any of C0-CF but the tables C4, C8 and CC.
        if (code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC)
            frame = true;
        at += length;
        if (code != 0xDA)
            continue;
        if (!frame)
            return "a scan before the frame";
        // The scan's coded data: up to the next marker that is neither a
        // stuffed 0xFF nor a restart.
        while (true) {
            const void *ff = std::memchr(p + at, 0xFF, size_t(n - at));
            if (!ff)
                return "cut short";
            at = static_cast<const uchar *>(ff) - p;
            if (at + 1 >= n)
                return "cut short";
            const uchar next = p[at + 1];
            if (next == 0x00 || (next >= 0xD0 && next <= 0xD7)) {
                at += 2;
                continue;
            }
            if (next == 0xFF) {
                ++at;
                continue;
            }
            break;
        }
    }
}

} // namespace

const char *PictureDamage(RtfPictureData::Format format, QByteArrayView data)
{
    switch (format) {
    case RtfPictureData::Format::Png:
        return PngDamage(data);
    case RtfPictureData::Format::Jpeg:
        return JpegDamage(data);
    default:
        return nullptr;
    }
}

} // namespace veldra::rtf
