#include "friends/TransferLines.h"

#include "base/DiagnosticLog.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin {
namespace {

using Views = std::vector<std::string_view>;

// The 32,767-line limit and the log entries are checked through the transfer (tests/app/TransferTests.cpp).
TEST(TransferLines, ChoosesCheckedSourceEntriesTheTargetLacksByteForByte)
{
    const FriendsEntries source{"Ann", "ann", "Bob", "Ann ", "Cy", "Bob", "\xe9t\xe9"};
    const std::vector<bool> checked{true, true, true, true, false, true, true};
    const FriendsEntries target{"Ann", "\xe9T\xe9"};
    Views lines{"left over"};
    DiagnosticLog log;

    TransferLines(lines).addChosen(source, checked, target, log);
    // Case, trailing blanks and 8-bit bytes all count; a name the source holds twice is chosen twice.
    EXPECT_EQ(lines, (Views{"[Friends]", "ann", "Bob", "Ann ", "Bob", "\xe9t\xe9"}));

    TransferLines(lines).addTargetAndTags(target, log);
    EXPECT_EQ(Views(lines.begin() + 6, lines.end()),
              (Views{"Ann", "\xe9T\xe9", "", "[#Watchers Allowed]", "", "[#Watchers Not Allowed]"}));
}

} // namespace
} // namespace quorrin
