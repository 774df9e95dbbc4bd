#include "ui/win32/Win32Window.h"

#include "ui/win32/BusyPointer.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/Win32Text.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace quorrin::win32 {

Win32Window::~Win32Window()
{
    if (!hwnd_)
        return;
    if (keyboard_)
        removeKeyboardWindow(hwnd_);
    // The object is half gone: the window's last messages must not reach it.
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
}

void Win32Window::create(const ui::WindowLayout& layout, const WindowOptions& options)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (!GetClassInfoExW(instance, options.windowClass, &windowClass)) {
        windowClass.lpfnWndProc = windowProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = options.windowClass;
        RegisterClassExW(&windowClass);
    }

    dpi_ = dpiOf(nullptr);
    const int dpi = dpi_;
    RECT outer{0, 0, toPixels(layout.clientWidth, dpi), toPixels(layout.clientHeight, dpi)};
    AdjustWindowRectEx(&outer, options.style, options.menu != nullptr, options.exStyle);
    CreateWindowExW(options.exStyle, options.windowClass, fromAnsi(layout.caption).c_str(), options.style, 0,
                    0, outer.right - outer.left, outer.bottom - outer.top, options.owner, options.menu,
                    instance, this);
    if (!hwnd_)
        throw std::runtime_error("cannot create window " + std::string(layout.name));
    created_ = true;
    if (options.icon) {
        for (const auto& [which, size] :
             {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
            const int pixels = GetSystemMetrics(size);
            if (HANDLE icon = LoadImageW(instance, MAKEINTRESOURCEW(options.icon), IMAGE_ICON, pixels, pixels,
                                         LR_SHARED))
                SendMessageW(hwnd_, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
        }
    }

    fonts_ = std::make_unique<FontCache>(layout.font, dpi);
    colours_.setWindowColours(layout.colours);
    controls_ = buildControls(hwnd_, layout, dpi, *fonts_, colours_, options.custom);
    keyboard_ = options.keyboard;
    if (keyboard_)
        addKeyboardWindow(hwnd_, controls_.tabOrder());
}

void Win32Window::setDefaultButton(std::string_view name)
{
    defaultButton_ = controls_.idOf(name);
    SendMessageW(controls_.get(name), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

LRESULT Win32Window::byDefault(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd_, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, colours_.windowBrush());
        return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        if (HBRUSH brush = colours_.answer(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(brush);
        break;
    case DM_GETDEFID:
        // The dialog manager asks this when Enter is pressed away from any button.
        if (defaultButton_)
            return MAKELRESULT(defaultButton_, DC_HASDEFID);
        break;
    case WM_ACTIVATE:
        // Sent before the focus leaves, so the control that had it is still known. Activation gives the
        // window the focus, which WM_SETFOCUS hands on.
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (HWND focused = GetFocus(); focused && IsChild(hwnd_, focused))
                focus_ = focused;
            return 0;
        }
        break;
    case WM_SETFOCUS:
        if (focus_ && IsWindow(focus_)) {
            SetFocus(focus_);
            return 0;
        }
        break;
    case WM_SETCURSOR:
        if (busyPointer()) {
            SetCursor(LoadCursorW(nullptr, IDC_WAIT));
            return TRUE;
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Win32Window::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* made = static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        made->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(made));
    }
    auto* window = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!window)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        if (window->keyboard_)
            removeKeyboardWindow(hwnd);
        window->hwnd_ = nullptr;
        // A window that dies inside CreateWindowExW leaves its half-built object to the constructor's
        // exception; only a window that was made tells its owner it is gone.
        if (window->created_)
            window->destroyed();
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return window->handle(message, wParam, lParam);
}

void centreWindow(HWND window, HWND over)
{
    RECT area{};
    if (over) {
        GetWindowRect(over, &area);
    } else {
        MONITORINFO screen{};
        screen.cbSize = sizeof(screen);
        GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &screen);
        area = screen.rcWork;
    }
    RECT own{};
    GetWindowRect(window, &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    SetWindowPos(window, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace quorrin::win32
