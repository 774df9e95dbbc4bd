#include "ui/win32/BusyPointer.h"

#include <windows.h>

namespace quorrin::win32 {

namespace {
bool busy = false;
}

void setBusyPointer(bool on)
{
    busy = on;
    POINT point;
    GetCursorPos(&point);
    SetCursor(LoadCursorW(nullptr, on ? IDC_WAIT : IDC_ARROW));
    // The pointer shape is asked for again when the pointer next moves; this sets it without a move.
    SetCursorPos(point.x, point.y);
}

bool busyPointer()
{
    return busy;
}

} // namespace quorrin::win32
