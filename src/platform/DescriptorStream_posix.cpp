#include "platform/DescriptorStream_posix.h"

#include <cerrno>
#include <unistd.h>

namespace quorrin {

DescriptorBuffer::DescriptorBuffer(int descriptor) : descriptor_(descriptor) {}

DescriptorBuffer::~DescriptorBuffer()
{
    close();
}

bool DescriptorBuffer::close()
{
    if (descriptor_ < 0)
        return true;
    const bool written = writeBuffered();
    const bool closed = ::close(descriptor_) == 0;
    descriptor_ = -1;
    return written && closed;
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

bool DescriptorBuffer::writeBuffered()
{
    const char* at = pbase();
    const char* end = pptr();
    while (at && at < end) {
        const ssize_t put = ::write(descriptor_, at, static_cast<std::size_t>(end - at));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            setp(nullptr, nullptr);
            return false;
        }
        at += put;
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return true;
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
    return descriptor_ >= 0 && writeBuffered() ? 0 : -1;
}

} // namespace quorrin
