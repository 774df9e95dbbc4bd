#pragma once

#include <cstddef>
#include <optional>

namespace quorrin::test {

// Counts the calls of this program that write to files — write and writev on a descriptor above 2, fclose
// of a stream open for writing, fsync, fdatasync, rename — and makes them fail from the one numbered
// `failFrom` (counted from 1) on with errno `error`; the first that fails still writes half its bytes. With
// `Once`, only that call fails, writing nothing, and the later ones pass again, as after a short hiccup of
// the disk. Linking SystemCallFaults.cpp puts these calls of the C library behind it, for the whole program.
class SystemCallFaults
{
public:
    enum Duration
    {
        FromThenOn,
        Once,
    };
    explicit SystemCallFaults(std::optional<std::size_t> failFrom = std::nullopt, int error = 0,
                              Duration duration = FromThenOn);
    ~SystemCallFaults();
    SystemCallFaults(const SystemCallFaults&) = delete;
    SystemCallFaults& operator=(const SystemCallFaults&) = delete;

    std::size_t calls() const;
};

} // namespace quorrin::test
