#pragma once

#include <cstddef>
#include <istream>
#include <memory>
#include <string>
#include <string_view>

namespace quorrin {

// Reads a text stream line by line, in chunks, byte for byte.
//
// CR LF ends a line, and so does a lone LF (files edited on other systems) or a lone CR. No line therefore
// ever holds a CR or an LF, so writing the lines back with CR LF can neither split nor merge them. A CR LF at
// the very end does not start an empty line; the last line needs no line end. NUL and 8-bit bytes are kept.
class LineReader
{
public:
    // Longer lines are no friends list: they raise Overflow instead of filling the memory.
    static constexpr std::size_t kMaxLineLength = std::size_t{1} << 20;

    explicit LineReader(std::istream& in, std::size_t chunkSize = 64 * 1024);

    // Reads the next line; false at the end of the data. `line` views bytes that stay valid until the next
    // call. A read error of the stream raises RuntimeError DeviceIoError.
    bool readLine(std::string_view& line)
    {
        // Nearly every line lies inside the chunk together with the byte after its line end: it is handed out
        // where it lies, without a call.
        const char* const begin = buffer_.get() + position_;
        const char* const end = buffer_.get() + length_;
        const char* const stop = findLineEnd(begin, end);
        const auto size = static_cast<std::size_t>(stop - begin);
        if (end - stop < 2 || size > kMaxLineLength) [[unlikely]]
            return readAcrossChunks(line);
        line = std::string_view(begin, size);
        position_ += size + (*stop == '\r' && stop[1] == '\n' ? 2 : 1);
        return true;
    }

private:
    // The first CR or LF in [at, end), or end.
    static const char* findLineEnd(const char* at, const char* end);
    bool fill();
    // A line whose end, or the byte after it, lies beyond the chunk: copied together from the chunks it
    // spans. A line longer than the limit raises Overflow here.
    bool readAcrossChunks(std::string_view& line);

    std::istream& in_;
    std::size_t capacity_;
    std::unique_ptr<char[]> buffer_; // not cleared: only the bytes read are looked at
    std::size_t position_ = 0;
    std::size_t length_ = 0;
    bool ended_ = false;
    bool failed_ = false;
    std::string spill_; // a line that spans chunks, copied together
};

} // namespace quorrin
