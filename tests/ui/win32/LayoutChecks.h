#pragma once

#include "ui/Layout.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/Win32Controls.h"
#include "ui/win32/Win32Style.h"
#include "ui/win32/Win32Text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>
#include <windows.h>

namespace quorrin::test {

using Place = std::array<long, 4>; // left, top, right, bottom in the parent's client area

inline Place placeOf(HWND control)
{
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

inline Place placeOf(const ui::TwipsRect& t, int dpi)
{
    const long left = ui::twipsToPixels(t.left, dpi);
    const long top = ui::twipsToPixels(t.top, dpi);
    return {left, top, left + ui::twipsToPixels(t.width, dpi), top + ui::twipsToPixels(t.height, dpi)};
}

// Shown by its own style, whether or not its window is.
inline bool isShown(HWND control)
{
    return (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

inline std::wstring classOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

inline Place clientPlace(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    return {0, 0, client.right, client.bottom};
}

// The background and text colours the control's parent gives it to draw with.
inline std::pair<COLORREF, COLORREF> coloursOf(HWND control)
{
    HDC dc = CreateCompatibleDC(nullptr);
    LOGBRUSH fill{};
    GetObjectW(reinterpret_cast<HBRUSH>(SendMessageW(GetParent(control), WM_CTLCOLORSTATIC,
                                                     reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(control))),
               sizeof(fill), &fill);
    const COLORREF text = GetTextColor(dc);
    DeleteDC(dc);
    return {fill.lbColor, text};
}

// The window's caption, client size and frame, then every row of `layout` against its control; the rows in
// `loaded` are placed, shown or written by the window's load, which its own tests check.
inline void expectBuiltAsLaidOut(HWND window, const win32::Win32Controls& controls,
                                 const ui::WindowLayout& layout,
                                 const std::set<std::string_view>& loaded = {})
{
    using enum ui::ControlKind;
    using enum ui::WindowFrame;
    const int dpi = win32::dpiOf(window);
    EXPECT_EQ(win32::windowText(window), win32::fromAnsi(layout.caption));
    EXPECT_EQ(clientPlace(window), placeOf({0, 0, layout.clientWidth, layout.clientHeight}, dpi));
    // An overlapped window always has a caption: one without stands for a popup.
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) &
                  (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX),
              layout.frame == Sizable  ? WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX
              : layout.frame == Dialog ? WS_CAPTION | WS_SYSMENU
                                       : WS_DLGFRAME);
    EXPECT_EQ((GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0, layout.frame == NoTitleBar)
        << "a task bar entry for a window with a title bar only";
    for (const ui::ControlRow& row : layout.controls) {
        SCOPED_TRACE(std::string(row.name));
        HWND control = controls.get(row.name);
        const std::wstring windowClass = classOf(control);
        // In the order of ControlKind; a list is a list box or, for long lists, a virtual list view, as the
        // window's own test tells.
        const wchar_t* const classes[] = {
            L"Static",        L"QuorrinPicture",   L"Button",          L"Button",       L"Edit",  L"ComboBox",
            L"SysListView32", windowClass.c_str(), L"SysTabControl32", L"QuorrinFrame", L"Static"};
        EXPECT_EQ(lstrcmpiW(windowClass.c_str(), classes[static_cast<int>(row.kind)]), 0)
            << win32::toAnsi(windowClass);
        EXPECT_EQ(GetParent(control), row.parent.empty() ? window : controls.get(row.parent));
        if (row.kind == Label) {
            EXPECT_EQ(GetWindowLongPtrW(control, GWL_STYLE) & SS_TYPEMASK,
                      row.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP);
        }
        if (!loaded.contains(row.name)) {
            EXPECT_EQ(isShown(control), row.visible);
            Place place = placeOf(control);
            if (row.kind == ComboBox) // as tall as its box and its drop-down list together
                place[3] = placeOf(row.rect, dpi)[3];
            EXPECT_EQ(place, placeOf(row.rect, dpi));
            if (!row.caption.empty()) {
                EXPECT_EQ(win32::windowText(control), win32::fromAnsi(row.caption));
            }
        }
        if (!row.toolTip.empty()) {
            wchar_t tip[256] = {};
            TOOLINFOW tool{};
            tool.cbSize = sizeof(tool);
            tool.hwnd = window;
            tool.uId = reinterpret_cast<UINT_PTR>(control);
            tool.lpszText = tip;
            SendMessageW(controls.toolTips(), TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
            EXPECT_EQ(std::wstring(tip), win32::fromAnsi(row.toolTip));
        }
        if (row.kind != Picture && row.kind != Frame) {
            const ui::ControlFont font =
                row.font.face == ui::FontFace::Window
                    ? ui::ControlFont{layout.font.face, layout.font.points, row.font.bold}
                    : row.font;
            LOGFONTW shown{};
            GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(shown),
                       &shown);
            // In the order of FontFace.
            const wchar_t* const faces[] = {L"", L"Verdana", L"Microsoft Sans Serif", L"Arial"};
            EXPECT_EQ(std::wstring(shown.lfFaceName), faces[static_cast<int>(font.face)]);
            EXPECT_EQ(shown.lfHeight, -std::lround(font.points * dpi / 72.0));
            EXPECT_EQ(shown.lfWeight, font.bold ? FW_BOLD : FW_NORMAL);
            EXPECT_EQ(shown.lfUnderline != 0, row.kind == LinkLabel);
        }
        if (row.colours == ui::Colours::White && row.kind != Picture) {
            EXPECT_EQ(coloursOf(control).first, RGB(255, 255, 255));
        }
    }
}

// A key as the user presses it on `control`, which takes the focus, through the program's keyboard handling.
inline bool press(HWND control, UINT message, WPARAM key)
{
    SetFocus(control);
    MSG msg{control, message, key, 0, 0, {}};
    return win32::translateKeyboardMessage(msg);
}

// Presses Tab (Shift+Tab when `backwards`) on the control that holds the focus, as the user does.
inline void pressTab(bool backwards = false)
{
    BYTE keys[256]{};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = backwards ? 0x80 : 0;
    SetKeyboardState(keys);
    EXPECT_TRUE(press(GetFocus(), WM_KEYDOWN, VK_TAB)) << "Tab was not taken";
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
}

// The name of the control that holds the focus, or of the control the focused window is part of.
inline std::string_view focusedControl(const win32::Win32Controls& controls)
{
    for (HWND w = GetFocus(); w; w = GetParent(w))
        if (const auto found = std::ranges::find(controls.all(), w, &win32::BuiltControl::hwnd);
            found != controls.all().end())
            return found->row->name;
    return "(none)";
}

// Tab goes round the window's shown controls that take the focus, those inside a picture box among them, in
// the order of their tab indexes, and comes round to the first; Shift+Tab goes back.
inline void expectTabOrder(const win32::Win32Controls& controls, const ui::WindowLayout& layout)
{
    std::vector<const ui::ControlRow*> rows;
    for (const ui::ControlRow& row : layout.controls)
        if (row.tabIndex != ui::kNoTab && ui::takesFocus(row.kind) && IsWindowVisible(controls.get(row.name)))
            rows.push_back(&row);
    std::ranges::sort(rows, {}, &ui::ControlRow::tabIndex);
    ASSERT_FALSE(rows.empty());
    std::vector<std::string_view> expected;
    std::vector<std::string_view> walked;
    SetFocus(controls.get(rows.front()->name));
    for (const ui::ControlRow* row : rows) {
        expected.push_back(row->name);
        walked.push_back(focusedControl(controls));
        pressTab();
    }
    EXPECT_EQ(walked, expected) << layout.name;
    EXPECT_EQ(focusedControl(controls), expected.front()) << "Tab comes round to the first control again";
    pressTab(true);
    EXPECT_EQ(focusedControl(controls), expected.back()) << "Shift+Tab goes back";
}

} // namespace quorrin::test
