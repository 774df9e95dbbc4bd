#include "friends/TransferLines.h"

#include "base/DiagnosticLog.h"
#include "base/RuntimeError.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace quorrin {
namespace {

using Lines = std::vector<std::string>;
using Views = std::vector<std::string_view>;

Lines numbered(const std::string& prefix, std::size_t count)
{
    Lines lines;
    for (std::size_t i = 0; i < count; ++i)
        lines.push_back(prefix + std::to_string(i));
    return lines;
}

TEST(TransferLines, ChoosesCheckedSourceEntriesTheTargetLacksByteForByte)
{
    const Lines source{"Ann", "ann", "Bob", "Ann ", "Cy", "Bob", "\xe9t\xe9"};
    const std::vector<bool> checked{true, true, true, true, false, true, true};
    const Lines target{"Ann", "\xe9T\xe9"};
    Views lines{"left over"};
    DiagnosticLog log;

    TransferLines(lines).addChosen(source, checked, target, log);
    // Case, trailing blanks and 8-bit bytes all count; a name the source holds twice is chosen twice.
    EXPECT_EQ(lines, (Views{"[Friends]", "ann", "Bob", "Ann ", "Bob", "\xe9t\xe9"}));

    TransferLines(lines).addTargetAndTags(target, log);
    EXPECT_EQ(Views(lines.begin() + 6, lines.end()),
              (Views{"Ann", "\xe9T\xe9", "", "[#Watchers Allowed]", "", "[#Watchers Not Allowed]"}));
    EXPECT_EQ(log.entries(),
              (Lines{"Added [Friends] Tag", "Whitespace added", "[#Watchers Allowed] Tag Added",
                     "Whitespace added", "[#Watchers Not Allowed] Tag Added"}));
}

TEST(TransferLines, HoldsExactly32767Lines)
{
    // The tag and four closing lines around the entries: 32,762 entries make exactly 32,767 lines.
    const struct
    {
        std::size_t chosen;
        std::size_t target;
        bool fits;
    } cases[] = {{32762, 0, true}, {32763, 0, false}, {16000, 16762, true}, {16000, 16763, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.chosen) + " + " + std::to_string(c.target));
        const Lines source = numbered("s", c.chosen);
        const Lines target = numbered("t", c.target);
        Views lines;
        DiagnosticLog log;
        TransferLines transfer(lines);
        transfer.addChosen(source, std::vector<bool>(source.size(), true), {}, log);
        if (c.fits) {
            transfer.addTargetAndTags(target, log);
            EXPECT_EQ(lines.size(), 32767u);
        } else {
            try {
                transfer.addTargetAndTags(target, log);
                ADD_FAILURE() << "no Overflow";
            } catch (const RuntimeError& error) {
                EXPECT_EQ(error.number(), static_cast<std::int32_t>(ErrorNumber::Overflow));
            }
        }
    }
}

} // namespace
} // namespace quorrin
