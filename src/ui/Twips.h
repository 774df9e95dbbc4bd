#pragma once

namespace quorrin::ui {

// Windows and controls are laid out in twips: 1440 to the inch, so 15 to the pixel at 96 dots per inch.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kStandardDpi = 96;

// The largest length in pixels a window takes; longer ones are cut to it.
inline constexpr int kMaxPixels = 16777215;

// Twips to pixels at `dpi` dots per inch, rounded to the nearest pixel; undefined or out-of-range input is
// clamped so that it never overflows.
int twipsToPixels(double twips, int dpi = kStandardDpi);
double pixelsToTwips(int pixels, int dpi = kStandardDpi);

// A rectangle in twips, as the layout tables give a control's place and size.
struct TwipsRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const TwipsRect&) const = default;
};

} // namespace quorrin::ui
