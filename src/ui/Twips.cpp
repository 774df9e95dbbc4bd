#include "ui/Twips.h"

#include <algorithm>
#include <cmath>
#include <QWidget>

namespace quorrin::ui {

int twipsToPixels(double twips)
{
    if (std::isnan(twips))
        return 0;
    const double pixels = std::round(twips / kTwipsPerPixel);
    constexpr double limit = QWIDGETSIZE_MAX;
    return static_cast<int>(std::clamp(pixels, -limit, limit));
}

double pixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

QRect twipsRect(double left, double top, double width, double height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace quorrin::ui
