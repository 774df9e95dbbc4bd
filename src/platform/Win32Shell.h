#pragma once

#include "platform/Shell.h"

namespace quorrin {

// The Windows shell: ShellExecuteA for addresses, CreateProcessA for programs.
class Win32Shell final : public Shell
{
public:
    void openAddress(const std::string& address) override;
    bool startProgram(const std::string& path) override;
};

} // namespace quorrin
