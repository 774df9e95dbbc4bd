#pragma once

#include <windows.h>

namespace quorrin::win32 {

// The program's modeless windows whose keyboard interface (Tab, Enter, Escape, access keys) the dialog
// manager runs. A window registers itself when it is created and leaves when it is destroyed.
void addKeyboardWindow(HWND window);
void removeKeyboardWindow(HWND window);

// Hands `message` to the dialog manager of the registered window it is for; true when that took it.
bool translateKeyboardMessage(MSG& message);

// Runs messages until WM_QUIT; returns its exit code.
int runMessageLoop();

// Runs messages until `done` is true or WM_QUIT arrives (which is posted again for the outer loop), for a
// modal window's own loop.
void runModalLoop(const bool& done);

} // namespace quorrin::win32
