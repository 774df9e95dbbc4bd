#pragma once

#include <string>

namespace quorrin {

// The platform shell: addresses open in the user's browser or mail program, programs start detached.
class Shell
{
public:
    virtual ~Shell() = default;

    // Hands an http or mailto address to the shell. Whether anything opened is not reported.
    virtual void openAddress(const std::string& address) = 0;

    // Starts the program at `path` without waiting for it. Returns false when it could not be started.
    virtual bool startProgram(const std::string& path) = 0;
};

} // namespace quorrin
