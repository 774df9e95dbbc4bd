#include "ui/win32/MessageLoop.h"

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

namespace quorrin::win32 {

namespace {

struct KeyboardWindow
{
    HWND window;
    std::vector<HWND> tabOrder;
};

std::map<UINT_PTR, std::function<void()>>& idleTasks()
{
    static std::map<UINT_PTR, std::function<void()>> tasks;
    return tasks;
}

void CALLBACK runIdleTask(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    auto& tasks = idleTasks();
    const auto found = tasks.find(id);
    if (found == tasks.end())
        return;
    const std::function<void()> task = std::move(found->second);
    tasks.erase(found);
    try {
        task();
    } catch (...) {
    }
}

std::vector<KeyboardWindow>& keyboardWindows()
{
    static std::vector<KeyboardWindow> windows;
    return windows;
}

bool isTabPress(const MSG& message)
{
    return message.message == WM_KEYDOWN && message.wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0 &&
           GetKeyState(VK_MENU) >= 0;
}

// Moves the focus to the next control of `order` that is shown and enabled, from the one holding the focus
// (or from a window inside it, such as a combo box's edit field), backwards when Shift is down.
void stepFocus(const std::vector<HWND>& order, HWND focused, bool backwards)
{
    const auto count = static_cast<std::ptrdiff_t>(order.size());
    std::ptrdiff_t at = -1;
    for (HWND w = focused; w && at < 0; w = GetParent(w))
        if (const auto found = std::ranges::find(order, w); found != order.end())
            at = found - order.begin();
    if (at < 0)
        at = backwards ? 0 : count - 1;
    for (std::ptrdiff_t step = 1; step <= count; ++step) {
        HWND next =
            order[static_cast<std::size_t>(((backwards ? at - step : at + step) % count + count) % count)];
        if (!IsWindowVisible(next) || !IsWindowEnabled(next))
            continue;
        // As the dialog manager does: an edit field reached by Tab has its text selected.
        if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
            SendMessageW(next, EM_SETSEL, 0, -1);
        SetFocus(next);
        return;
    }
}

} // namespace

void addKeyboardWindow(HWND window, std::vector<HWND> tabOrder)
{
    keyboardWindows().push_back({window, std::move(tabOrder)});
}

void removeKeyboardWindow(HWND window)
{
    std::erase_if(keyboardWindows(), [window](const KeyboardWindow& w) { return w.window == window; });
}

bool translateKeyboardMessage(MSG& message)
{
    for (const KeyboardWindow& keyboard : keyboardWindows()) {
        if (!IsWindow(keyboard.window) ||
            (message.hwnd != keyboard.window && !IsChild(keyboard.window, message.hwnd)))
            continue;
        if (isTabPress(message) && !keyboard.tabOrder.empty()) {
            stepFocus(keyboard.tabOrder, GetFocus(), GetKeyState(VK_SHIFT) < 0);
            return true;
        }
        return IsDialogMessageW(keyboard.window, &message) != FALSE;
    }
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

UINT_PTR runWhenIdle(std::function<void()> task)
{
    const UINT_PTR id = SetTimer(nullptr, 0, 0, runIdleTask);
    if (id)
        idleTasks()[id] = std::move(task);
    return id;
}

void cancelIdleTask(UINT_PTR id)
{
    if (id && idleTasks().erase(id))
        KillTimer(nullptr, id);
}

} // namespace quorrin::win32
