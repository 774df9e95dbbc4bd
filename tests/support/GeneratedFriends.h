#pragma once

#include <string>
#include <vector>

namespace quorrin::test {

// The lines of a Friends.txt with `count` entries "<prefix>0", "<prefix>1", ... under the [Friends] tag,
// closed by the two watcher tags as a transfer writes them.
inline std::vector<std::string> friendsLines(const std::string& prefix, std::size_t count)
{
    std::vector<std::string> lines{"[Friends]"};
    for (std::size_t i = 0; i < count; ++i)
        lines.push_back(prefix + std::to_string(i));
    lines.insert(lines.end(), {"", "[#Watchers Allowed]", "", "[#Watchers Not Allowed]"});
    return lines;
}

// The bytes of `lines` on disk: each ended by CR LF.
inline std::string fileBytes(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const auto& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

} // namespace quorrin::test
