#include "friends/LineReader.h"

#include "lifecycle/RuntimeError.h"

#include <gtest/gtest.h>
#include <sstream>

namespace quorrin {
namespace {

using Lines = std::vector<std::string>;

TEST(LineReader, splitsAtEveryLineEndAcrossChunkBorders)
{
    const std::pair<std::string, Lines> cases[] = {
        {"", {}},
        {"\r\n", {""}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\r\r\nb\n\rc", {"a", "", "b", "", "c"}},
        {"ab\r", {"ab"}},
    };
    for (const auto& [bytes, expected] : cases) {
        for (std::size_t chunk : {1, 2, 3, 65536}) {
            SCOPED_TRACE(::testing::Message() << '"' << bytes << "\" in chunks of " << chunk);
            std::istringstream in(bytes);
            LineReader reader(in, chunk);
            Lines lines;
            for (std::string line; reader.readLine(line);)
                lines.push_back(line);
            EXPECT_EQ(lines, expected);
        }
    }
}

TEST(LineReader, refusesAnEndlessLine)
{
    std::istringstream endless(std::string(LineReader::kMaxLineLength + 1, 'x'));
    std::string line;
    EXPECT_THROW(LineReader(endless).readLine(line), RuntimeError);
}

} // namespace
} // namespace quorrin
