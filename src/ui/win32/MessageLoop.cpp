#include "ui/win32/MessageLoop.h"

#include <algorithm>
#include <vector>

namespace quorrin::win32 {

namespace {

std::vector<HWND>& keyboardWindows()
{
    static std::vector<HWND> windows;
    return windows;
}

} // namespace

void addKeyboardWindow(HWND window)
{
    keyboardWindows().push_back(window);
}

void removeKeyboardWindow(HWND window)
{
    std::erase(keyboardWindows(), window);
}

bool translateKeyboardMessage(MSG& message)
{
    for (HWND window : keyboardWindows())
        if (IsWindow(window) && (message.hwnd == window || IsChild(window, message.hwnd)))
            return IsDialogMessageW(window, &message) != FALSE;
    return false;
}

int runMessageLoop()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (translateKeyboardMessage(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void runModalLoop(const bool& done)
{
    MSG message;
    while (!done) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (translateKeyboardMessage(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

} // namespace quorrin::win32
