#include "ui/win32/frmTip.h"

#include "ui/win32/resource.h"
#include "ui/win32/Win32Text.h"
#include "ui/WindowLayouts.h"

namespace quorrin::win32 {

namespace {

// The one dialog on screen; a second showing brings it to the front.
frmTip* openTip = nullptr;

} // namespace

frmTip::frmTip(Settings& settings) : tip_(settings, *this)
{
    create(ui::frmTipLayout(), {.windowClass = L"QuorrinTip",
                                .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                                .icon = IDI_TIP,
                                .keyboard = true});
    HWND picture = control("Picture1");
    SetWindowLongPtrW(picture, GWL_EXSTYLE, GetWindowLongPtrW(picture, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
    SetWindowPos(picture, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    setDefaultButton("cmdOK");
    setFirstFocus("cmdOK");
    centreWindow(hwnd());
    tip_.Form_Load();
    openTip = this;
}

void frmTip::destroyed()
{
    if (openTip == this)
        openTip = nullptr;
    delete this;
}

void frmTip::cmdOK_Click()
{
    tip_.SaveTipSettings();
    unloadByProgram();
}

void frmTip::unloadByProgram()
{
    DestroyWindow(hwnd());
}

void frmTip::showTip(const std::string& title, std::string_view text)
{
    SetWindowTextW(control("txtTitle"), fromAnsi(title).c_str());
    SetWindowTextW(control("txtTip"), fromAnsi(text).c_str());
}

void frmTip::setShowAtStartup(bool checked)
{
    SendMessageW(control("chkTip"), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool frmTip::showAtStartup() const
{
    return SendMessageW(control("chkTip"), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void frmTip::onCommand(int id, int code)
{
    // Escape belongs to OK, which saves.
    if (id == IDCANCEL) {
        cmdOK_Click();
        return;
    }
    const ui::ControlRow* row = controls().rowOf(id);
    if (!row || code != BN_CLICKED)
        return;
    if (row->name == "cmdOK")
        cmdOK_Click();
    else if (row->name == "cmdNextTip")
        tip_.cmdNextTip_Click();
}

LRESULT frmTip::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Closing deletes this object: nothing below touches it after a close.
    switch (message) {
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_SYSCOMMAND:
        // The close box and Alt+F4 arrive here first; the system then sends WM_CLOSE.
        if ((wParam & 0xFFF0) == SC_CLOSE)
            closeBox_ = true;
        break;
    case WM_CLOSE:
        // The user's close from the title bar saves like OK; a close by program code or by the ending session
        // does not.
        if (closeBox_ && !sessionEnding_)
            tip_.SaveTipSettings();
        unloadByProgram();
        return 0;
    case WM_QUERYENDSESSION:
        sessionEnding_ = true;
        return TRUE;
    case WM_ENDSESSION:
        if (wParam)
            unloadByProgram();
        else
            sessionEnding_ = false;
        return 0;
    default:
        break;
    }
    return byDefault(message, wParam, lParam);
}

frmTip* showTipOfTheDay(Settings& settings)
{
    if (openTip) {
        SetForegroundWindow(openTip->hwnd());
        return openTip;
    }
    auto* tip = new frmTip(settings);
    ShowWindow(tip->hwnd(), SW_SHOWNORMAL);
    return tip;
}

void closeTipOfTheDay()
{
    if (openTip)
        openTip->unloadByProgram();
}

} // namespace quorrin::win32
