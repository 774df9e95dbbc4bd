#include "ui/Twips.h"

#include <algorithm>
#include <cmath>

namespace quorrin::ui {

int twipsToPixels(double twips, int dpi)
{
    if (std::isnan(twips) || dpi <= 0)
        return 0;
    const double pixels = std::round(twips * dpi / kTwipsPerInch);
    constexpr double limit = kMaxPixels;
    return static_cast<int>(std::clamp(pixels, -limit, limit));
}

double pixelsToTwips(int pixels, int dpi)
{
    return dpi <= 0 ? 0 : static_cast<double>(pixels) * kTwipsPerInch / dpi;
}

} // namespace quorrin::ui
