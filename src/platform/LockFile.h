#pragma once

#include <cstdint>
#include <string>

namespace quorrin {

// An exclusive lock on a file beside the data it guards, held until the object goes. Other processes that
// lock the same file wait. The lock file is created when missing and never removed.
class LockFile
{
public:
    explicit LockFile(const std::string& path);
    ~LockFile();
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

    bool locked() const { return locked_; }

private:
    std::intptr_t handle_ = -1;
    bool locked_ = false;
};

} // namespace quorrin
