#pragma once

#include <QRect>

class QFont;

namespace veldra::desktop
{

// Pointer positions travel in twips of the screen: 15 to the logical pixel,
// which Qt keeps at 96 dots per inch and scales on HiDPI screens itself.
constexpr int kTwipsPerPixel = 15;

// The windows are laid out in twips (1/1440 inch) for an 8-point interface
// font. A twip is converted with the screen's logical dots per inch, and the
// whole layout grows by as much as the user's font is taller or wider than that
// font, so that captions keep fitting their places and the proportions hold.
// Never smaller than the plain conversion.
double PixelsPerTwip(const QFont &font, double logicalDpi);
// The same for the application's font on the primary screen.
double PixelsPerTwip();

// Twips to pixels with PixelsPerTwip(), rounded to the nearest pixel.
int TwipsToPixels(int twips);
// A rectangle in twips as pixels. Its edges are rounded rather than its size,
// so that controls that meet in twips still meet in pixels.
QRect TwipsRect(int left, int top, int width, int height);
QRect ScaleTwipsRect(const QRect &twips, double pixelsPerTwipX, double pixelsPerTwipY);

} // namespace veldra::desktop
