#include "ui/win32/WindowGeometry.h"

#include "ui/Twips.h"

#include <algorithm>

namespace quorrin::win32 {

double windowTwips(HWND window, WindowProperty property, int dpi)
{
    RECT outer;
    GetWindowRect(window, &outer);
    switch (property) {
    case WindowProperty::Left:
        return ui::pixelsToTwips(outer.left, dpi);
    case WindowProperty::Top:
        return ui::pixelsToTwips(outer.top, dpi);
    case WindowProperty::Width:
        return ui::pixelsToTwips(outer.right - outer.left, dpi);
    case WindowProperty::Height:
        return ui::pixelsToTwips(outer.bottom - outer.top, dpi);
    }
    return 0;
}

void setWindowTwips(HWND window, WindowProperty property, double twips, int dpi)
{
    RECT outer;
    GetWindowRect(window, &outer);
    int x = outer.left;
    int y = outer.top;
    int width = outer.right - outer.left;
    int height = outer.bottom - outer.top;
    const int pixels = ui::twipsToPixels(twips, dpi);
    switch (property) {
    case WindowProperty::Left:
        x = pixels;
        break;
    case WindowProperty::Top:
        y = pixels;
        break;
    case WindowProperty::Width:
        width = std::max(pixels, 0);
        break;
    case WindowProperty::Height:
        height = std::max(pixels, 0);
        break;
    }
    SetWindowPos(window, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace quorrin::win32
