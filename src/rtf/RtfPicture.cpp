#include "rtf/RtfPicture.h"

#include "rtf/Log.h"
#include "rtf/RtfPictureCheck.h"
#include "rtf/RtfPictureFrame.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>

namespace veldra::rtf
{

namespace
{

constexpr int kMaxTwips = 31680; // 22 inches
constexpr int kHiDpi = 2;        // pictures are kept sharp on screens of twice the density

int HexDigit(char16_t u)
{
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// A picture dimension in twips, from the goal, the picture's own size or the
// decoded image, scaled.
int Twips(int goal, int own, bool metafile, int decoded, int scale)
{
    qint64 twips = 0;
    if (goal > 0)
        twips = goal;
    else if (own > 0)
        twips = metafile ? qint64(own) * 1440 / 2540 : qint64(own) * 15;
    else
        twips = qint64(decoded) * 15;
    twips = twips * std::clamp(scale > 0 ? scale : 100, 1, 1000) / 100;
    return int(std::clamp<qint64>(twips, 15, kMaxTwips));
}

void AppendHex(RtfPictureData &p, QByteArrayView hex)
{
    for (const char c : hex) {
        const int d = HexDigit(char16_t(static_cast<unsigned char>(c)));
        if (d < 0)
            continue;
        if (p.halfByte < 0) {
            p.halfByte = d;
            continue;
        }
        if (p.data.size() >= RtfPictureData::kMaxBytes) {
            p.tooLarge = true;
            return;
        }
        p.data.append(char(p.halfByte * 16 + d));
        p.halfByte = -1;
    }
}

} // namespace

void RtfPictureData::appendHex(QByteArrayView hex)
{
    AppendHex(*this, hex);
}

void RtfPictureData::appendHex(QStringView hex)
{
    AppendHex(*this, QStringView(hex).toLatin1());
}

void RtfPictureData::appendBytes(QByteArrayView bytes)
{
    if (data.size() + bytes.size() > kMaxBytes) {
        tooLarge = true;
        return;
    }
    data.append(bytes);
}

RtfPictures::RtfPictures(QTextDocument *doc)
    : m_doc(doc)
{
}

QTextImageFormat RtfPictures::frame(qreal width, qreal height)
{
    if (!m_frameHandler) {
        RtfPictureFrame::registerOn(m_doc);
        m_frameHandler = true;
    }
    QTextImageFormat f;
    f.setObjectType(kFrameObject);
    f.setWidth(width);
    f.setHeight(height);
    return f;
}

QTextImageFormat RtfPictures::add(const RtfPictureData &p)
{
    const bool metafile = p.format == RtfPictureData::Format::Metafile;
    const bool image = p.format == RtfPictureData::Format::Png || p.format == RtfPictureData::Format::Jpeg;
    const char *kind = p.format == RtfPictureData::Format::Png ? "PNG" : "JPEG";
    ++m_seen;
    QSize size;
    QImageReader reader;
    QBuffer buffer;
    const char *damage = image && !p.tooLarge ? PictureDamage(p.format, p.data) : nullptr;
    if (damage) {
        // Never handed to the image plugin, which would say so on the terminal.
        qCInfo(lcRtf, "Picture %d, a %s, is damaged (%s): shown as an empty frame", m_seen, kind, damage);
    } else if (image && !p.tooLarge) {
        buffer.setData(p.data);
        buffer.open(QIODevice::ReadOnly);
        reader.setDevice(&buffer);
        reader.setFormat(p.format == RtfPictureData::Format::Png ? "png" : "jpeg");
        size = reader.size();
    }
    const qreal width = Twips(p.goalWidth, p.width, metafile, size.width(), p.scaleX) / 15.0;
    const qreal height = Twips(p.goalHeight, p.height, metafile, size.height(), p.scaleY) / 15.0;
    if (!size.isValid() || size.isEmpty() || qint64(size.width()) * size.height() > kMaxPixels)
        return frame(width, height);
    // Decoded no larger than it is shown, which saves memory on large photos.
    const QSize shown(int(width * kHiDpi), int(height * kHiDpi));
    if (size.width() > shown.width() && size.height() > shown.height())
        reader.setScaledSize(size.scaled(shown, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    const qint64 expected = qint64(size.width()) * size.height() * 4;
    if (m_bytes + expected > kMaxDocumentBytes)
        return frame(width, height);
    QImage decoded;
    if (!reader.read(&decoded) || decoded.isNull()) {
        qCInfo(lcRtf, "Picture %d, a %s, could not be decoded: shown as an empty frame", m_seen, kind);
        return frame(width, height);
    }
    m_bytes += decoded.sizeInBytes();
    const QUrl name(QStringLiteral("rtfpicture:%1").arg(++m_count));
    m_doc->addResource(QTextDocument::ImageResource, name, decoded);
    QTextImageFormat f;
    f.setName(name.toString());
    f.setWidth(width);
    f.setHeight(height);
    return f;
}

} // namespace veldra::rtf
