#pragma once

#include <filesystem>

namespace quorrin {

// Pushes a written file's data to the disk before it is renamed over another. Failures are ignored: the
// rename stays atomic either way, this only narrows the window of a power loss.
void flushToDisk(const std::filesystem::path& path);

} // namespace quorrin
