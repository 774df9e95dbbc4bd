#pragma once

#include <filesystem>
#include <string>

namespace quorrin {

// A path held as 8-bit bytes (the ANSI code page on Windows, the file system's bytes elsewhere) as the file
// system takes it. The standard library would read the bytes as UTF-8 on Windows, which fails for every
// name with a character beyond ASCII.
std::filesystem::path nativePath(const std::string& bytes);

} // namespace quorrin
