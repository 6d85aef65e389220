#include "desktop/StylePixmaps.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QPixmapCache>
#include <QString>

namespace veldra::desktop
{

namespace
{

// A number as Qt's pixmap cache keys write it: each byte in memory order, low
// half first.
template <typename T> QString CacheKeyNumber(T value)
{
    static const char digits[] = "0123456789abcdef";
    const auto *bytes = reinterpret_cast<const uchar *>(&value);
    QString text;
    for (size_t i = 0; i < sizeof(T); ++i) {
        text += QLatin1Char(digits[bytes[i] & 0xf]);
        text += QLatin1Char(digits[bytes[i] >> 4]);
    }
    return text;
}

} // namespace

void WarmStylePixmaps()
{
    // Qt's Fusion style draws a group box's frame from a picture in Qt's own
    // resources, loaded by file name. For a file Qt's image reader first asks
    // every image-format plugin whether it reads the format, which loads all
    // of them (and libtiff, libwebp, libjpeg and more with them) while the
    // main window is first drawn. Read here by the built-in reader alone, the
    // picture goes into the pixmap cache under the key the file name's load
    // looks up first. Should a Qt version make its keys differently, the
    // style reads the file as before.
    const QString name = QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");
    const QFileInfo info(name);
    if (!info.exists())
        return;
    QImageReader reader(name, "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull())
        return;
    const QString key = QStringLiteral("qt_pixmap") + info.absoluteFilePath() +
                        CacheKeyNumber<uint>(uint(info.lastModified().toSecsSinceEpoch())) +
                        CacheKeyNumber<quint64>(quint64(info.size())) + CacheKeyNumber<uint>(0); // a pixmap's type
    QPixmapCache::insert(key, QPixmap::fromImage(image));
}

} // namespace veldra::desktop
