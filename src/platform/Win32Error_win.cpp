#include "platform/Win32Error_win.h"

namespace quorrin {

RuntimeError runtimeErrorFromWin32(DWORD code)
{
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
        return RuntimeError(ErrorNumber::FileNotFound);
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
        return RuntimeError(ErrorNumber::PathNotFound);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return RuntimeError(ErrorNumber::PermissionDenied);
    case ERROR_WRITE_PROTECT:
        return RuntimeError(ErrorNumber::PathFileAccessError);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return RuntimeError(ErrorNumber::DiskFull);
    default:
        return RuntimeError(ErrorNumber::DeviceIoError);
    }
}

} // namespace quorrin
