#pragma once

#include "platform/Shell.h"

namespace quorrin {

// The desktop's shell through Qt: addresses go to the default browser or mail program. On Windows it is the
// Win32 shell instead (QtShell_win.cpp).
class QtShell : public Shell
{
public:
    void openAddress(const std::string& address) override;
    bool startProgram(const std::string& path) override;
};

} // namespace quorrin
