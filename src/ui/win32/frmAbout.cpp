#include "ui/win32/frmAbout.h"

#include "ui/win32/BusyPointer.h"
#include "ui/win32/MessageLoop.h"
#include "ui/win32/resource.h"
#include "ui/win32/Win32Images.h"
#include "ui/win32/Win32Text.h"
#include "ui/WindowLayouts.h"

#include <algorithm>
#include <commctrl.h>
#include <vector>

namespace quorrin::win32 {

namespace {

constexpr std::string_view kBackground = "about-background.png";

// The program's pointing hand, or the system's where the program has none.
HCURSOR linkCursor()
{
    static const HCURSOR cursor = [] {
        HCURSOR own = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_LINK_HAND));
        return own ? own : LoadCursorW(nullptr, IDC_HAND);
    }();
    return cursor;
}

} // namespace

frmAbout::frmAbout(Settings& settings, Shell& shell, HWND owner) : about_(settings, shell, *this)
{
    const ui::WindowLayout& layout = ui::frmAboutLayout();
    create(layout, {.windowClass = L"QuorrinAbout",
                    .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                    .exStyle = WS_EX_DLGMODALFRAME,
                    .owner = owner,
                    .keyboard = true});
    background_ = loadPicture(kBackground, GetSysColor(COLOR_BTNFACE), &backgroundSize_);
    // The pages lie on the tab strip's panel, so they come above it; Tab still finds the buttons and the
    // strip in their order, as the pages hold nothing that takes the focus.
    for (int position = 1; position <= 4; ++position)
        SetWindowPos(control(ui::AboutBox::pageName(position)), HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (const ui::TabRow& tab : layout.tabs)
        tabToolTips_.push_back(fromAnsi(tab.toolTip));
    setDefaultButton("cmdOK");
    setFirstFocus("cmdOK");
    centreWindow(hwnd(), owner);
    about_.Form_Load();
}

frmAbout::~frmAbout()
{
    if (background_)
        DeleteObject(background_);
}

bool frmAbout::isLink(HWND window) const
{
    return window && (window == controls().find("txtURL") || window == controls().find("txtMail"));
}

void frmAbout::onCommand(int id, int code)
{
    // Escape closes, as Close does.
    if (id == IDCANCEL) {
        about_.cmdOK_Click();
        return;
    }
    const ui::ControlRow* row = controls().rowOf(id);
    // A button's click and a link's (STN_CLICKED, left button only) are both code 0.
    if (!row || code != BN_CLICKED)
        return;
    if (row->name == "cmdOK")
        about_.cmdOK_Click();
    else if (row->name == "cmdSysInfo")
        about_.cmdSysInfo_Click();
    else if (row->name == "txtURL")
        about_.txtURL_Click();
    else if (row->name == "txtMail")
        about_.txtMail_Click();
}

bool frmAbout::onNotify(NMHDR& header)
{
    // The strip notifies its window while it is being made (its tooltips are made): nothing to do then.
    HWND tabStrip = controls().find("tabStrip");
    if (!tabStrip)
        return false;
    if (header.hwndFrom == tabStrip && header.code == TCN_SELCHANGE) {
        about_.tabStrip_Click(static_cast<int>(SendMessageW(tabStrip, TCM_GETCURSEL, 0, 0)) + 1);
        return true;
    }
    // The strip's own tooltips ask with the tab's index.
    const auto toolTips = reinterpret_cast<HWND>(SendMessageW(tabStrip, TCM_GETTOOLTIPS, 0, 0));
    if (toolTips && header.hwndFrom == toolTips && header.code == TTN_GETDISPINFOW) {
        auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
        if (header.idFrom < tabToolTips_.size())
            info.lpszText = tabToolTips_[header.idFrom].data();
        return true;
    }
    return false;
}

void frmAbout::paintBackground(HDC dc) const
{
    RECT client;
    GetClientRect(hwnd(), &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    if (!background_)
        return;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, background_);
    BitBlt(dc, 0, 0, backgroundSize_.cx, backgroundSize_.cy, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

LRESULT frmAbout::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        paintBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_NOTIFY:
        if (onNotify(*reinterpret_cast<NMHDR*>(lParam)))
            return 0;
        break;
    case WM_SETCURSOR:
        // The links pass the question up through their page.
        if (!busyPointer() && LOWORD(lParam) == HTCLIENT && isLink(reinterpret_cast<HWND>(wParam))) {
            SetCursor(linkCursor());
            return TRUE;
        }
        break;
    case WM_CLOSE:
        about_.cmdOK_Click();
        return 0;
    default:
        break;
    }
    return byDefault(message, wParam, lParam);
}

ui::ViewRect frmAbout::controlRect(std::string_view name) const
{
    HWND window = control(name);
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void frmAbout::setControlRect(std::string_view name, const ui::ViewRect& rect)
{
    MoveWindow(control(name), rect.left, rect.top, rect.width, rect.height, TRUE);
}

void frmAbout::setControlVisible(std::string_view name, bool visible)
{
    ShowWindow(control(name), visible ? SW_SHOWNA : SW_HIDE);
}

void frmAbout::setControlCaption(std::string_view name, const std::string& caption)
{
    SetWindowTextW(control(name), fromAnsi(caption).c_str());
}

int frmAbout::textWidth(const std::string& text) const
{
    const std::wstring wide = fromAnsi(text);
    HDC dc = GetDC(hwnd());
    HGDIOBJ old = SelectObject(dc, fonts().windowFont());
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(hwnd(), dc);
    return size.cx;
}

namespace {

BOOL CALLBACK collectInputWindow(HWND window, LPARAM list)
{
    if (IsWindowVisible(window) && IsWindowEnabled(window))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

} // namespace

void showAboutBox(Settings& settings, Shell& shell, HWND owner)
{
    // Made afresh for each opening, so that it loads every time.
    frmAbout box(settings, shell, owner);
    // Modal to the whole program, as its other windows (an open tip of the day) would otherwise stay usable:
    // every window of this thread that takes input now is disabled while the box is up, and only those are
    // enabled again, so a box over a box leaves the first one's state as it was.
    std::vector<HWND> disabled;
    EnumThreadWindows(GetCurrentThreadId(), collectInputWindow, reinterpret_cast<LPARAM>(&disabled));
    std::erase(disabled, box.hwnd());
    if (owner && IsWindowEnabled(owner) &&
        std::find(disabled.begin(), disabled.end(), owner) == disabled.end())
        disabled.push_back(owner);
    for (HWND window : disabled)
        EnableWindow(window, FALSE);
    ShowWindow(box.hwnd(), SW_SHOWNORMAL);
    runModalLoop(box.closing_);
    // The owner takes the activation back before the box goes, so that no other program's window gets it. An
    // owner closed meanwhile took the box along.
    for (HWND window : disabled)
        if (IsWindow(window))
            EnableWindow(window, TRUE);
    if (owner && IsWindow(owner) && IsWindowEnabled(owner))
        SetActiveWindow(owner);
}

} // namespace quorrin::win32
