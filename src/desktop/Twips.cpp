#include "desktop/Twips.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <QtMath>

namespace veldra::desktop
{

namespace
{

// The font the layout was drawn for, at 96 dots per inch: lines 13 pixels
// high, the letters a-z and A-Z 5.6 pixels wide on average. The captions
// were sized to their text in it.
constexpr double kDesignDpi = 96.0;
constexpr double kDesignLineHeight = 13.0;
constexpr double kDesignLetterWidth = 5.6;

} // namespace

double PixelsPerTwip(const QFont &font, double logicalDpi)
{
    if (!(logicalDpi > 0))
        logicalDpi = kDesignDpi;
    const double dpiScale = logicalDpi / kDesignDpi;
    const QFontMetricsF metrics(font);
    static const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    const double letterWidth = metrics.horizontalAdvance(letters) / double(letters.size());
    const double growth = qMax(
        1.0, qMax(metrics.height() / (kDesignLineHeight * dpiScale), letterWidth / (kDesignLetterWidth * dpiScale)));
    return logicalDpi / 1440.0 * growth;
}

double PixelsPerTwip()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return PixelsPerTwip(QGuiApplication::font(), screen ? screen->logicalDotsPerInch() : kDesignDpi);
}

int TwipsToPixels(int twips)
{
    return qRound(twips * PixelsPerTwip());
}

QRect ScaleTwipsRect(const QRect &twips, double sx, double sy)
{
    const int left = qRound(twips.x() * sx);
    const int top = qRound(twips.y() * sy);
    const int right = qRound((twips.x() + twips.width()) * sx);
    const int bottom = qRound((twips.y() + twips.height()) * sy);
    return QRect(left, top, right - left, bottom - top);
}

QRect TwipsRect(int left, int top, int width, int height)
{
    const double s = PixelsPerTwip();
    return ScaleTwipsRect(QRect(left, top, width, height), s, s);
}

} // namespace veldra::desktop
