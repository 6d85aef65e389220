#include "links/DetectLinkAtPoint.h"

#include "desktop/Pointer.h"
#include "desktop/Twips.h"
#include "links/HandPointer.h"
#include "links/LinkClass.h"
#include "links/WordScan.h"
#include "richtext/RichTextBox.h"

#include <QPoint>
#include <cmath>

namespace veldra::links
{

namespace
{

// Rounds to the nearest whole twip (halves to the even one), then drops the
// part of a pixel that is left.
int PixelsFromTwips(float twips)
{
    double whole = std::nearbyint(double(twips));
    if (!std::isfinite(whole))
        whole = 0;
    whole = qBound(-1e9, whole, 1e9);
    return int(qint64(whole) / desktop::kTwipsPerPixel);
}

} // namespace

QString DetectLinkAtPoint(richtext::RichTextBox &source, float x, float y, richtext::RichTextBox &target,
                          const QString &appDir)
{
    const int index = source.charFromPos(QPoint(PixelsFromTwips(x), PixelsFromTwips(y)));
    if (index < 0 || index >= source.textLength())
        return QString();
    const QString word = WordAtIndex(source, index);
    if (ClassifyLink(word) == LinkClass::NotALink) {
        target.setToolTip(QString());
        target.setMousePointer(desktop::PointerKind::Default);
    } else {
        target.setMousePointer(desktop::PointerKind::Custom, LoadHandPointer(appDir));
        target.setToolTip(LinkToolTip(word));
    }
    return word;
}

} // namespace veldra::links
