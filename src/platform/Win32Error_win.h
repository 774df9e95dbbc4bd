#pragma once

#include "base/RuntimeError.h"

#include <windows.h>

namespace quorrin {

// The run-time error a failed Win32 file call stands for, from its GetLastError code; the same numbers the
// POSIX file system reports for the same failures.
RuntimeError runtimeErrorFromWin32(DWORD code);

} // namespace quorrin
