#pragma once

#include "ui/Layout.h"
#include "ui/win32/Win32Controls.h"
#include "ui/win32/Win32Style.h"

#include <memory>
#include <string_view>
#include <windows.h>

namespace quorrin::win32 {

// What a window of the program is made with besides its layout table.
struct WindowOptions
{
    const wchar_t* windowClass = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND owner = nullptr;
    int icon = 0;          // the resource id of the title bar's icon; none when the program has no such icon
    bool keyboard = false; // the dialog manager runs its Tab, Enter, Escape and access keys
    HMENU menu = nullptr;  // the menu bar; the client area as laid out lies below it
    CustomControl custom = {}; // controls the window makes itself
};

// A top-level window built from its layout table whose messages go to handle() of the object that made it.
// The window goes with the object at the latest; hwnd() is null once it is gone. It keeps the keyboard
// focus of a dialog: the focused control is remembered when the window is deactivated and given back when it
// is activated again.
class Win32Window
{
public:
    virtual ~Win32Window();
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    HWND hwnd() const { return hwnd_; }
    const Win32Controls& controls() const { return controls_; }
    HWND control(std::string_view name) const { return controls_.get(name); }

protected:
    Win32Window() = default;

    // Makes the window hidden, its client area the table's size at the screen's DPI, and every control of the
    // table in it.
    void create(const ui::WindowLayout& layout, const WindowOptions& options);
    // The default button: Enter clicks it wherever the focus is, unless the focus is on another button.
    void setDefaultButton(std::string_view name);
    // The control that takes the focus when the window is first activated.
    void setFirstFocus(std::string_view name) { focus_ = controls_.get(name); }
    FontCache& fonts() const { return *fonts_; }
    int dpi() const { return dpi_; }

    // The window's own messages; what it leaves goes to byDefault().
    virtual LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam)
    {
        return byDefault(message, wParam, lParam);
    }
    // The background and colours of the controls, the default button, the focus and the busy pointer, then
    // DefWindowProc.
    LRESULT byDefault(UINT message, WPARAM wParam, LPARAM lParam);
    // Called once the window is gone (WM_NCDESTROY); the object may delete itself here.
    virtual void destroyed() {}

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    HWND focus_ = nullptr;
    int defaultButton_ = 0;
    int dpi_ = ui::kStandardDpi;
    bool keyboard_ = false;
    bool created_ = false;
    std::unique_ptr<FontCache> fonts_;
    ColourTable colours_;
    Win32Controls controls_;
};

// Places `window` in the middle of `over`, or of the primary screen's work area when there is none.
void centreWindow(HWND window, HWND over = nullptr);

} // namespace quorrin::win32
