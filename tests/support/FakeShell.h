#pragma once

#include "platform/Shell.h"

#include <string>
#include <vector>

namespace quorrin::test {

class FakeShell : public Shell
{
public:
    void openAddress(const std::string& address) override { opened.push_back(address); }
    bool startProgram(const std::string& path) override
    {
        started.push_back(path);
        return true;
    }

    std::vector<std::string> opened;
    std::vector<std::string> started;
};

} // namespace quorrin::test
