#pragma once

#include <QByteArray>
#include <QTextImageFormat>

class QTextDocument;

namespace veldra::rtf
{

// A picture as a \pict group describes it; sizes in the units of their words.
struct RtfPictureData {
    enum class Format : quint8 { Unknown, Png, Jpeg, Metafile, Other };
    Format format = Format::Unknown;
    int width = 0;     // \picw: pixels, or 0.01 mm for a metafile
    int height = 0;    // \pich
    int goalWidth = 0; // \picwgoal, twips
    int goalHeight = 0;
    int scaleX = 100; // \picscalex, per cent
    int scaleY = 100;
    QByteArray data;
    int halfByte = -1; // a hex digit waiting for its partner
    bool tooLarge = false;

    static constexpr qsizetype kMaxBytes = 32 * 1024 * 1024;

    void appendHex(QStringView hex);
    void appendHex(QByteArrayView hex);
    void appendBytes(QByteArrayView bytes);
};

// Turns the pictures of one document into document resources. PNG and JPEG
// are shown at the size the document asks for; other formats, and pictures
// past the limits, as an empty frame of that size.
class RtfPictures
{
public:
    static constexpr qint64 kMaxPixels = 16 * 1000 * 1000;         // per picture
    static constexpr qint64 kMaxDocumentBytes = 128 * 1024 * 1024; // decoded, per document
    static constexpr int kFrameObject = QTextFormat::UserObject + 1;

    explicit RtfPictures(QTextDocument *doc);

    // The format to insert for the picture, an image or a frame.
    QTextImageFormat add(const RtfPictureData &picture);

private:
    QTextImageFormat frame(qreal width, qreal height);

    QTextDocument *m_doc;
    qint64 m_bytes = 0;
    int m_count = 0; // pictures decoded
    int m_seen = 0;  // pictures added, for the log
    bool m_frameHandler = false;
};

} // namespace veldra::rtf
