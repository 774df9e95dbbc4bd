#pragma once

#include "app/MainView.h"

#include <windows.h>

namespace quorrin::win32 {

// A top-level window's outer place and size in twips, as the stored window settings give them.
double windowTwips(HWND window, WindowProperty property, int dpi);
void setWindowTwips(HWND window, WindowProperty property, double twips, int dpi);

} // namespace quorrin::win32
