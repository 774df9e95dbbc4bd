#include "friends/LineReader.h"

#include "base/RuntimeError.h"

#include <algorithm>

namespace quorrin {

LineReader::LineReader(std::istream& in, std::size_t chunkSize)
    : in_(in), buffer_(std::max<std::size_t>(chunkSize, 1))
{}

bool LineReader::fill()
{
    // The bytes that arrived before a read error are still handed out; the error is raised where they end.
    if (failed_)
        throw RuntimeError(ErrorNumber::DeviceIoError);
    if (ended_)
        return false;
    in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    position_ = 0;
    length_ = static_cast<std::size_t>(in_.gcount());
    if (in_.bad())
        failed_ = true;
    else if (length_ < buffer_.size())
        ended_ = true;
    if (failed_ && length_ == 0)
        throw RuntimeError(ErrorNumber::DeviceIoError);
    return length_ > 0;
}

bool LineReader::readLine(std::string& line)
{
    line.clear();
    if (position_ == length_ && !fill())
        return false;
    for (;;) {
        const char* const begin = buffer_.data() + position_;
        const char* const end = buffer_.data() + length_;
        const char* const stop = std::find_if(begin, end, [](char c) { return c == '\r' || c == '\n'; });
        if (static_cast<std::size_t>(stop - begin) > kMaxLineLength - line.size())
            throw RuntimeError(ErrorNumber::Overflow);
        line.append(begin, stop);
        position_ += static_cast<std::size_t>(stop - begin);
        if (stop == end) {
            if (!fill())
                return true; // the last line, without a line end
            continue;
        }
        ++position_;
        if (*stop == '\r' && (position_ < length_ || fill()) && buffer_[position_] == '\n')
            ++position_;
        return true;
    }
}

} // namespace quorrin
