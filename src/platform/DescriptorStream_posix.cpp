#include "platform/DescriptorStream_posix.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace quorrin {

DescriptorBuffer::DescriptorBuffer(int descriptor, FileEnd fileEnd)
    : descriptor_(descriptor), end_(fileEnd), cutPending_(fileEnd == FileEnd::CutAfterLastWrite)
{}

DescriptorBuffer::~DescriptorBuffer()
{
    close();
}

bool DescriptorBuffer::close()
{
    if (descriptor_ < 0)
        return true;
    const bool written = writeBuffered();
    const bool cut = cutAfterLastWrite();
    const bool closed = ::close(descriptor_) == 0;
    descriptor_ = -1;
    return written && cut && closed;
}

bool DescriptorBuffer::cutAfterLastWrite()
{
    if (end_ != FileEnd::CutAfterLastWrite || !cutPending_)
        return true;
    cutPending_ = false;
    const off_t end = ::lseek(descriptor_, 0, SEEK_CUR);
    return end >= 0 && ::ftruncate(descriptor_, end) == 0;
}

DescriptorBuffer::int_type DescriptorBuffer::underflow()
{
    if (gptr() < egptr())
        return traits_type::to_int_type(*gptr());
    if (descriptor_ < 0)
        return traits_type::eof();
    ssize_t got;
    do
        got = ::read(descriptor_, buffer_.data(), buffer_.size());
    while (got < 0 && errno == EINTR);
    if (got < 0)
        throw std::ios::failure("read failed"); // the stream catches it and goes bad
    if (got == 0)
        return traits_type::eof();
    setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
    return traits_type::to_int_type(*gptr());
}

std::streamsize DescriptorBuffer::xsgetn(char* data, std::streamsize count)
{
    const auto buffered = std::min<std::streamsize>(count, egptr() - gptr());
    if (count - buffered < static_cast<std::streamsize>(buffer_.size()) || descriptor_ < 0)
        return std::streambuf::xsgetn(data, count);
    if (buffered > 0) {
        std::memcpy(data, gptr(), static_cast<std::size_t>(buffered));
        gbump(static_cast<int>(buffered));
    }
    std::streamsize got = buffered;
    while (got < count) {
        const ssize_t read = ::read(descriptor_, data + got, static_cast<std::size_t>(count - got));
        if (read < 0 && errno == EINTR)
            continue;
        // A failed read fails the whole request, as in underflow(): handing out the bytes before it as a
        // short read would look like the end of the file.
        if (read < 0)
            throw std::ios::failure("read failed");
        if (read == 0)
            break;
        got += read;
    }
    return got;
}

std::streamsize DescriptorBuffer::showmanyc()
{
    struct stat status
    {};
    if (descriptor_ < 0 || ::fstat(descriptor_, &status) != 0 || !S_ISREG(status.st_mode))
        return 0;
    const off_t at = ::lseek(descriptor_, 0, SEEK_CUR);
    if (at < 0 || status.st_size <= at)
        return 0;
    return static_cast<std::streamsize>(
        std::min<off_t>(status.st_size - at, std::numeric_limits<std::streamsize>::max()));
}

std::size_t DescriptorBuffer::writeAll(const char* data, std::size_t count)
{
    std::size_t written = 0;
    cutPending_ = true;
    while (written < count) {
        const ssize_t put = ::write(descriptor_, data + written, count - written);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            break;
        written += static_cast<std::size_t>(put);
    }
    return written;
}

bool DescriptorBuffer::writeBuffered()
{
    const char* const at = pbase();
    const char* const end = pptr();
    if (at && at < end &&
        writeAll(at, static_cast<std::size_t>(end - at)) < static_cast<std::size_t>(end - at)) {
        setp(nullptr, nullptr);
        return false;
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return true;
}

std::streamsize DescriptorBuffer::xsputn(const char* data, std::streamsize count)
{
    if (count < static_cast<std::streamsize>(buffer_.size()) || descriptor_ < 0)
        return std::streambuf::xsputn(data, count);
    if (!writeBuffered())
        return 0;
    return static_cast<std::streamsize>(writeAll(data, static_cast<std::size_t>(count)));
}

DescriptorBuffer::int_type DescriptorBuffer::overflow(int_type ch)
{
    if (descriptor_ < 0 || !writeBuffered())
        return traits_type::eof();
    if (!traits_type::eq_int_type(ch, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(ch);
        pbump(1);
    }
    return traits_type::not_eof(ch);
}

int DescriptorBuffer::sync()
{
    return descriptor_ >= 0 && writeBuffered() && cutAfterLastWrite() ? 0 : -1;
}

} // namespace quorrin
