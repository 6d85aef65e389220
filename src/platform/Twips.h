#pragma once

#include <QRect>

namespace veldra::platform
{

// Window geometry is laid out in twips; at 96 dots per inch 15 twips make one
// pixel. Qt scales logical pixels on HiDPI screens itself.
constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

} // namespace veldra::platform
