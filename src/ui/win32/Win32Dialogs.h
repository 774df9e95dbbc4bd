#pragma once

#include "platform/Dialogs.h"

#include <windows.h>

namespace quorrin::win32 {

// Message boxes and the folder picker as the system's own. Texts are bytes in the ANSI code page and go to
// the A functions as they are, line breaks included.
class Win32Dialogs final : public Dialogs
{
public:
    // The owner of the folder picker; until it is set the picker has no owner.
    void setMainWindow(HWND mainWindow) { mainWindow_ = mainWindow; }

    MessageResult showMessage(const MessageBoxRequest& request) override;
    std::string BrowseForFolder(const std::string& initialFolder, const std::string& title) override;

    // The message box style of a request: its icon and buttons, as MessageBoxA takes them.
    static UINT styleOf(const MessageBoxRequest& request);

private:
    HWND mainWindow_ = nullptr;
};

} // namespace quorrin::win32
