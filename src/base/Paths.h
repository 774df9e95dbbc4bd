#pragma once

#include <string>
#include <string_view>

namespace quorrin {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// `folder` + separator + `name`, the way paths are built and logged.
inline std::string joinPath(std::string_view folder, std::string_view name)
{
    std::string path(folder);
    path += kPathSeparator;
    path += name;
    return path;
}

} // namespace quorrin
