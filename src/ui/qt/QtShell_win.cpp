#include "platform/Win32Shell.h"
#include "ui/qt/QtShell.h"

namespace quorrin {

// On Windows the program hands addresses and programs to the Win32 shell itself: ShellExecuteA with the
// working folder "c:\", and a program started on its own.
void QtShell::openAddress(const std::string& address)
{
    Win32Shell().openAddress(address);
}

bool QtShell::startProgram(const std::string& path)
{
    return Win32Shell().startProgram(path);
}

} // namespace quorrin
