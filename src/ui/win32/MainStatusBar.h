#pragma once

#include <windows.h>

namespace quorrin::win32 {

// The main window's status bar: "Status", then the date and the time, the last two kept current by the
// window's clock timer.
class MainStatusBar
{
public:
    void create(HWND window, HFONT font, int dpi);
    HWND hwnd() const { return bar_; }
    // Places the panels again after the window's size changed.
    void layout();
    void updateClock();

private:
    HWND bar_ = nullptr;
    int dpi_ = 96;
};

} // namespace quorrin::win32
