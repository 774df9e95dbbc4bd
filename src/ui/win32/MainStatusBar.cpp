#include "ui/win32/MainStatusBar.h"

#include "ui/win32/Win32Style.h"
#include "ui/win32/Win32Text.h"
#include "ui/WindowLayouts.h"

#include <algorithm>
#include <commctrl.h>

namespace quorrin::win32 {

void MainStatusBar::create(HWND window, HFONT font, int dpi)
{
    dpi_ = dpi;
    bar_ = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                           window, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(bar_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(bar_, SB_SETMINHEIGHT, static_cast<WPARAM>(toPixels(ui::kStatusBarHeight, dpi)), 0);
    layout();
    SendMessageW(bar_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(fromAnsi(ui::kStatusText).c_str()));
    updateClock();
}

void MainStatusBar::layout()
{
    if (!bar_)
        return;
    SendMessageW(bar_, WM_SIZE, 0, 0);
    RECT client;
    GetClientRect(bar_, &client);
    const int panel = toPixels(ui::kStatusPanelMinWidth, dpi_);
    const int edges[] = {std::max<int>(client.right - 2 * panel, panel),
                         std::max<int>(client.right - panel, 2 * panel), -1};
    SendMessageW(bar_, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
}

void MainStatusBar::updateClock()
{
    wchar_t date[64] = {};
    wchar_t time[64] = {};
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, 64);
    GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, nullptr, nullptr, time, 64);
    SendMessageW(bar_, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(date));
    SendMessageW(bar_, SB_SETTEXTW, 2, reinterpret_cast<LPARAM>(time));
}

} // namespace quorrin::win32
