#include "friends/FriendsEntries.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin {
namespace {

using namespace std::string_literals;

TEST(FriendsEntries, KeepsEachEntryWholeAndApart)
{
    // Empty entries, NUL and 8-bit bytes, and a list long enough to grow its storage many times.
    std::vector<std::string> expected{"", "Ann", "\0b\xe9"s, ""};
    for (int i = 0; i < 5000; ++i)
        expected.push_back("Friend" + std::to_string(i));
    FriendsEntries entries;
    for (const std::string& entry : expected)
        entries.push_back(entry);

    ASSERT_EQ(entries.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(entries[i], expected[i]) << "entry " << i;
    EXPECT_EQ(std::vector<std::string>(entries.begin(), entries.end()), expected);

    // The same bytes cut into other entries are another list.
    EXPECT_EQ((FriendsEntries{"ab", "c"}), (FriendsEntries{"ab", "c"}));
    EXPECT_NE((FriendsEntries{"ab", "c"}), (FriendsEntries{"a", "bc"}));
    EXPECT_NE((FriendsEntries{"ab"}), (FriendsEntries{"ab", ""}));

    // Copies stand on their own; a list moved from, or cleared, is empty and takes entries again.
    FriendsEntries copy = entries;
    const FriendsEntries moved = std::move(entries);
    EXPECT_EQ(copy, moved);
    copy.clear();
    for (FriendsEntries* emptied : {&entries, &copy}) {
        EXPECT_TRUE(emptied->empty());
        emptied->push_back("Bob");
        EXPECT_EQ(*emptied, FriendsEntries{"Bob"});
    }
    EXPECT_EQ(moved[4], "Friend0");
}

} // namespace
} // namespace quorrin
