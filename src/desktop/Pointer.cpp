#include "desktop/Pointer.h"

#include "text/OrdinaryFile.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QWidget>
#include <QtEndian>

namespace veldra::desktop
{

namespace
{

// A cursor file starts with a 6-byte directory header (reserved 0, type 2,
// count) followed by 16-byte entries; an entry carries the hot spot where an
// icon file keeps its plane count and bit depth. Qt's reader does not report it.
bool ReadHotSpot(const QByteArray &data, QPoint *hotSpot)
{
    if (data.size() < 6 + 16)
        return false;
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    if (qFromLittleEndian<quint16>(bytes) != 0 || qFromLittleEndian<quint16>(bytes + 2) != 2 ||
        qFromLittleEndian<quint16>(bytes + 4) == 0)
        return false;
    const quint32 size = qFromLittleEndian<quint32>(bytes + 6 + 8);
    const quint32 offset = qFromLittleEndian<quint32>(bytes + 6 + 12);
    if (offset > quint32(data.size()) || size > quint32(data.size()) - offset)
        return false; // the picture would lie outside the file
    *hotSpot = QPoint(qFromLittleEndian<quint16>(bytes + 6 + 4), qFromLittleEndian<quint16>(bytes + 6 + 6));
    return true;
}

} // namespace

bool LoadCursorFile(const QString &path, QCursor *cursor)
{
    QFile file;
    if (!text::OpenOrdinaryFile(file, path))
        return false;
    const QByteArray data = file.readAll();
    QPoint hotSpot;
    if (!ReadHotSpot(data, &hotSpot))
        return false;
    QBuffer buffer;
    buffer.setData(data);
    QImageReader reader(&buffer, "cur");
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    const QPoint clamped(qBound(0, hotSpot.x(), image.width() - 1), qBound(0, hotSpot.y(), image.height() - 1));
    *cursor = QCursor(QPixmap::fromImage(image), clamped.x(), clamped.y());
    return true;
}

void SetControlPointer(QWidget *control, PointerKind kind, const QCursor &custom)
{
    if (!control)
        return;
    if (kind == PointerKind::Custom)
        control->setCursor(custom);
    else if (kind == PointerKind::Arrow)
        control->setCursor(Qt::ArrowCursor);
    else
        control->unsetCursor();
}

} // namespace veldra::desktop
