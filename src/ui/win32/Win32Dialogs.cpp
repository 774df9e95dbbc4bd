#include "ui/win32/Win32Dialogs.h"

#include "platform/BrowseForFolder_win.h"
#include "ui/win32/BusyPointer.h"

namespace quorrin::win32 {

namespace {

// The box stands over the active window of the program, unless that window is out of view (the splash
// window moves out of view before an error is reported); then it stands in the middle of the screen.
HWND boxOwner()
{
    HWND active = GetActiveWindow();
    if (!active)
        return nullptr;
    RECT outer;
    GetWindowRect(active, &outer);
    return MonitorFromRect(&outer, MONITOR_DEFAULTTONULL) ? active : nullptr;
}

// The arrow over a box for as long as it is open: the user is asked something, the program is not busy.
class ArrowWhileOpen
{
public:
    ArrowWhileOpen() : wasBusy_(busyPointer())
    {
        if (wasBusy_)
            setBusyPointer(false);
    }
    ~ArrowWhileOpen()
    {
        if (wasBusy_)
            setBusyPointer(true);
    }
    ArrowWhileOpen(const ArrowWhileOpen&) = delete;
    ArrowWhileOpen& operator=(const ArrowWhileOpen&) = delete;

private:
    bool wasBusy_;
};

} // namespace

UINT Win32Dialogs::styleOf(const MessageBoxRequest& request)
{
    UINT style = request.buttons == MessageButtons::OkCancel ? MB_OKCANCEL : MB_OK;
    if (request.icon == MessageIcon::Information)
        style |= MB_ICONINFORMATION;
    else if (request.icon == MessageIcon::Critical)
        style |= MB_ICONERROR;
    return style;
}

MessageResult Win32Dialogs::showMessage(const MessageBoxRequest& request)
{
    const ArrowWhileOpen arrow;
    const int answer = MessageBoxA(boxOwner(), request.text.c_str(), request.title.c_str(), styleOf(request));
    return answer == IDOK ? MessageResult::Ok : MessageResult::Cancel;
}

std::string Win32Dialogs::BrowseForFolder(const std::string& initialFolder, const std::string& title)
{
    const ArrowWhileOpen arrow;
    return quorrin::BrowseForFolder(mainWindow_, initialFolder, title);
}

} // namespace quorrin::win32
