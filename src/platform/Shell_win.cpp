#include "platform/Win32Shell.h"

#include <windows.h>
// After <windows.h>, which it needs.
#include <shellapi.h>

namespace quorrin {

void Win32Shell::openAddress(const std::string& address)
{
    // No owner, the default verb, no parameters; the result is not looked at.
    ::ShellExecuteA(nullptr, nullptr, address.c_str(), nullptr, "c:\\", SW_SHOWNORMAL);
}

bool Win32Shell::startProgram(const std::string& path)
{
    // The path alone, quoted, is the command line: the usual install folders have blanks in them.
    std::string commandLine = "\"" + path + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process))
        return false;
    // Not waited for: the handles are let go at once and the program runs on by itself.
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return true;
}

} // namespace quorrin
