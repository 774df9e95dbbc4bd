#include "ui/win32/frmSplash.h"

#include "base/RuntimeError.h"
#include "ui/win32/BusyPointer.h"
#include "ui/win32/Win32Images.h"
#include "ui/WindowLayouts.h"

#include <exception>

namespace quorrin::win32 {

namespace {

// Each step runs whatever became of the one before; nothing here is reported.
template<typename Step>
void quietly(Step&& step)
{
    try {
        step();
    } catch (...) {
    }
}

} // namespace

frmSplash::frmSplash(Dialogs& dialogs, std::function<void()> showMainWindow, std::function<void()> showTip)
    : showMainWindow_(std::move(showMainWindow)), showTip_(std::move(showTip)),
      errors_(ErrorReporter::Window::Splash, heldLog_, dialogs, [this] { moveOutOfView(); })
{
    // A fixed dialog frame without a title bar, and no task bar entry.
    create(ui::frmSplashLayout(),
           {.windowClass = L"QuorrinSplash", .style = WS_POPUP | WS_DLGFRAME, .exStyle = WS_EX_TOOLWINDOW});
    centreWindow(hwnd());
    picture_ = loadPicture("logo.png", GetSysColor(COLOR_BTNFACE), &pictureSize_);
}

frmSplash::~frmSplash()
{
    if (picture_)
        DeleteObject(picture_);
}

template<typename Step>
void frmSplash::loadStep(Step&& step)
{
    try {
        step();
    } catch (...) {
        errors_.procError(toRuntimeError(std::current_exception()));
    }
}

void frmSplash::Form_Load()
{
    setBusyPointer(true);
    // The picture is on screen before anything else happens.
    loadStep([this] {
        ShowWindow(hwnd(), SW_SHOWNORMAL);
        UpdateWindow(hwnd());
    });
    loadStep([this] {
        // The system refuses a timer only when it has none left.
        if (!SetTimer(hwnd(), kTimer, ui::kSplashInterval, nullptr))
            throw RuntimeError(ErrorNumber::OutOfMemory);
    });
}

void frmSplash::tmrSplash_Timer()
{
    quietly([this] { KillTimer(hwnd(), kTimer); });
    quietly([this] { showMainWindow_(); });
    quietly([] { setBusyPointer(false); });
    quietly([this] { DestroyWindow(hwnd()); });
    // The tip follows only a splash that is gone, as it follows the splash window's close.
    if (!hwnd())
        quietly([this] { showTip_(); });
}

void frmSplash::moveOutOfView()
{
    if (!hwnd())
        return;
    RECT outer;
    GetWindowRect(hwnd(), &outer);
    const int width = outer.right - outer.left;
    SetWindowPos(hwnd(), nullptr, -width * 11 / 10, outer.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT frmSplash::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd(), &paint);
        if (picture_) {
            // The few pixels that do not fit are cut off.
            HDC memory = CreateCompatibleDC(dc);
            HGDIOBJ old = SelectObject(memory, picture_);
            BitBlt(dc, 0, 0, pictureSize_.cx, pictureSize_.cy, memory, 0, 0, SRCCOPY);
            SelectObject(memory, old);
            DeleteDC(memory);
        }
        EndPaint(hwnd(), &paint);
        return 0;
    }
    case WM_TIMER:
        if (wParam == kTimer)
            tmrSplash_Timer();
        return 0;
    case WM_CLOSE:
        // Only the timer ends the splash window; a close from the window system is not the user's to make.
        return 0;
    default:
        return byDefault(message, wParam, lParam);
    }
}

} // namespace quorrin::win32
