#include "platform/LockFile.h"

#include <windows.h>

namespace quorrin {

LockFile::LockFile(const std::string& path)
{
    const HANDLE file =
        ::CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    handle_ = reinterpret_cast<std::intptr_t>(file);
    OVERLAPPED whole = {};
    locked_ = ::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole) != 0;
}

LockFile::~LockFile()
{
    if (handle_ == -1)
        return;
    const auto file = reinterpret_cast<HANDLE>(handle_);
    if (locked_) {
        OVERLAPPED whole = {};
        ::UnlockFileEx(file, 0, MAXDWORD, MAXDWORD, &whole);
    }
    ::CloseHandle(file);
}

} // namespace quorrin
