#pragma once

#include <cstddef>
#include <string_view>

// The lines of a Friends.txt that are no friend entry, and the file's name and limits.
namespace quorrin {

inline constexpr std::string_view kFriendsFileName = "Friends.txt";
inline constexpr std::string_view kFriendsTag = "[Friends]";
inline constexpr std::string_view kWatchersAllowedTag = "[#Watchers Allowed]";
inline constexpr std::string_view kWatchersNotAllowedTag = "[#Watchers Not Allowed]";

// Every list of the program holds at most this many entries (a 16-bit signed count).
inline constexpr std::size_t kMaxFriendsEntries = 32767;

} // namespace quorrin
