// LineReader splits like the plain loop below, whatever its chunk size; its lines never hold CR or LF and
// read back the same once written with CR LF.

#include "base/RuntimeError.h"
#include "friends/LineReader.h"
#include "FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using quorrin::fuzz::check;

struct Lines
{
    std::vector<std::string> lines;
    bool overflow = false; // a line was longer than LineReader::kMaxLineLength
};

Lines readLines(std::string_view text, std::size_t chunkSize)
{
    std::istringstream in{std::string(text)};
    quorrin::LineReader reader(in, chunkSize);
    Lines result;
    try {
        for (std::string_view line; reader.readLine(line);)
            result.lines.emplace_back(line);
    } catch (const quorrin::RuntimeError& error) {
        check(error.number() == static_cast<int>(quorrin::ErrorNumber::Overflow), "only Overflow is raised");
        result.overflow = true;
    }
    return result;
}

// CR LF, a lone CR and a lone LF each end a line; the end of the text ends the last one if it is not empty.
std::vector<std::string> splitPlainly(std::string_view text)
{
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            line += text[i];
            continue;
        }
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        lines.push_back(line);
        line.clear();
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t chunkSize = 1 + data[0] % 16;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    const Lines whole = readLines(text, 64 * 1024);
    const Lines chunked = readLines(text, chunkSize);
    check(chunked.overflow == whole.overflow && chunked.lines == whole.lines,
          "the chunk size changes nothing");
    if (whole.overflow)
        return 0;
    check(whole.lines == splitPlainly(text), "the lines are those of the plain split");

    std::string written;
    for (const std::string& line : whole.lines) {
        check(line.find_first_of("\r\n") == std::string::npos, "no line holds CR or LF");
        written += line + "\r\n";
    }
    const Lines again = readLines(written, chunkSize);
    check(!again.overflow && again.lines == whole.lines, "the lines written with CR LF read back the same");
    return 0;
}
