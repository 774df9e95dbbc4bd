#pragma once

#include <functional>
#include <vector>
#include <windows.h>

namespace quorrin::win32 {

// The program's modeless windows whose keyboard interface (Enter, Escape, access keys) the dialog manager
// runs. Tab and Shift+Tab go round `tabOrder`, passing over hidden and disabled controls: the dialog manager
// would follow the windows' z-order and never step into a picture box. A window registers itself when it is
// created and leaves when it is destroyed.
void addKeyboardWindow(HWND window, std::vector<HWND> tabOrder);
void removeKeyboardWindow(HWND window);

// Hands `message` to the dialog manager of the registered window it is for; true when that took it.
bool translateKeyboardMessage(MSG& message);

// Runs messages until WM_QUIT; returns its exit code.
int runMessageLoop();

// Runs messages until `done` is true or WM_QUIT arrives (which is posted again for the outer loop), for a
// modal window's own loop.
void runModalLoop(const bool& done);

// Runs `task` once, as soon as this thread's message queue holds nothing else (a timer's turn), from whatever
// message loop runs then. What it throws ends there: it never crosses the system's dispatch. Returns the id
// that cancelIdleTask takes, or 0 when the system had no timer left and the task will not run.
UINT_PTR runWhenIdle(std::function<void()> task);
void cancelIdleTask(UINT_PTR id);

} // namespace quorrin::win32
