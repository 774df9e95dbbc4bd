#pragma once

#include <QRect>

namespace quorrin::ui {

// Lengths are kept in twips; Qt works in logical pixels and scales those on high-DPI screens itself.
inline constexpr double kTwipsPerPixel = 15.0;

// Twips to logical pixels, rounded; out-of-range or undefined input is clamped so it never overflows.
int twipsToPixels(double twips);
double pixelsToTwips(int pixels);

// A control's rectangle, given in twips.
QRect twipsRect(double left, double top, double width, double height);

} // namespace quorrin::ui
