#include "friends/LineReader.h"

#include "base/RuntimeError.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quorrin {

// This is where a read spends its time, so it looks at sixteen bytes at once where the processor can compare
// them together, else at eight: a word none of whose bytes is below 14 holds neither CR (13) nor LF (10).
const char* LineReader::findLineEnd(const char* at, const char* end)
{
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    while (end - at >= 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        const auto found = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf))));
        if (found != 0)
            return at + std::countr_zero(found);
        at += 16;
    }
#endif
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kHighBits = 0x8080808080808080;
    const auto isLineEnd = [](char c) { return c == '\r' || c == '\n'; };
    while (end - at >= 8) {
        std::uint64_t word;
        std::memcpy(&word, at, sizeof word);
        const std::uint64_t low = (word - kOnes * 14) & ~word & kHighBits;
        if (low == 0) {
            at += 8;
            continue;
        }
        // The first marked byte: below 14 on a little-endian machine, perhaps a borrow's echo on a big-endian
        // one. Either way a byte that ends no line is stepped over.
        at +=
            (std::endian::native == std::endian::little ? std::countr_zero(low) : std::countl_zero(low)) / 8;
        if (isLineEnd(*at))
            return at;
        ++at;
    }
    return std::find_if(at, end, isLineEnd);
}

LineReader::LineReader(std::istream& in, std::size_t chunkSize)
    : in_(in), capacity_(std::max<std::size_t>(chunkSize, 1)),
      buffer_(std::make_unique_for_overwrite<char[]>(capacity_))
{}

bool LineReader::fill()
{
    // The bytes that arrived before a read error are still handed out; the error is raised where they end.
    if (failed_)
        throw RuntimeError(ErrorNumber::DeviceIoError);
    if (ended_)
        return false;
    in_.read(buffer_.get(), static_cast<std::streamsize>(capacity_));
    position_ = 0;
    length_ = static_cast<std::size_t>(in_.gcount());
    if (in_.bad())
        failed_ = true;
    else if (length_ < capacity_)
        ended_ = true;
    if (failed_ && length_ == 0)
        throw RuntimeError(ErrorNumber::DeviceIoError);
    return length_ > 0;
}

bool LineReader::readAcrossChunks(std::string_view& line)
{
    spill_.clear();
    if (position_ == length_ && !fill())
        return false;
    for (;;) {
        const char* const begin = buffer_.get() + position_;
        const char* const end = buffer_.get() + length_;
        const char* const stop = findLineEnd(begin, end);
        const auto size = static_cast<std::size_t>(stop - begin);
        if (size > kMaxLineLength - spill_.size())
            throw RuntimeError(ErrorNumber::Overflow);
        spill_.append(begin, size);
        position_ += size;
        if (stop == end) {
            if (!fill())
                break; // the last line, without a line end
            continue;
        }
        ++position_;
        // The chunk that may start with the LF of this CR replaces the bytes copied above.
        if (*stop == '\r' && (position_ < length_ || fill()) && buffer_[position_] == '\n')
            ++position_;
        break;
    }
    line = spill_;
    return true;
}

} // namespace quorrin
