#pragma once

#include "platform/FileEnd.h"

#include <array>
#include <istream>
#include <ostream>
#include <streambuf>

namespace quorrin {

// A stream buffer over an open file descriptor, which it closes when it goes. A failed read or write makes
// the stream that uses it bad; a failed close is reported by close().
class DescriptorBuffer final : public std::streambuf
{
public:
    explicit DescriptorBuffer(int descriptor, FileEnd fileEnd = FileEnd::AsWritten);
    ~DescriptorBuffer() override;
    DescriptorBuffer(const DescriptorBuffer&) = delete;
    DescriptorBuffer& operator=(const DescriptorBuffer&) = delete;

    // Writes what is buffered (and cuts the file after it, if asked to) and closes the descriptor; false when
    // any of it failed.
    bool close();

protected:
    int_type underflow() override;
    int_type overflow(int_type ch) override;
    int sync() override;
    // Reads and writes of a buffer's size or more go straight between the caller's memory and the file.
    std::streamsize xsgetn(char* data, std::streamsize count) override;
    std::streamsize xsputn(const char* data, std::streamsize count) override;
    // What is left to read of a regular file; 0 when that is not known.
    std::streamsize showmanyc() override;

private:
    bool writeBuffered();
    // Writes until all is written or a write fails; the bytes written.
    std::size_t writeAll(const char* data, std::size_t count);
    // With FileEnd::CutAfterLastWrite, drops what is left of the old content past the bytes written.
    bool cutAfterLastWrite();

    int descriptor_;
    FileEnd end_;
    bool cutPending_;                    // written since the file was last cut, or never cut yet
    std::array<char, 64 * 1024> buffer_; // left uninitialised: its pages are touched only when used
};

// A file opened for reading or for writing by descriptor.
class DescriptorInputStream final : public std::istream
{
public:
    explicit DescriptorInputStream(int descriptor) : std::istream(nullptr), buffer_(descriptor)
    {
        rdbuf(&buffer_);
    }

private:
    DescriptorBuffer buffer_;
};

class DescriptorOutputStream final : public std::ostream
{
public:
    explicit DescriptorOutputStream(int descriptor, FileEnd fileEnd = FileEnd::AsWritten)
        : std::ostream(nullptr), buffer_(descriptor, fileEnd)
    {
        rdbuf(&buffer_);
    }
    // Writes what is left and closes the file; the stream goes bad when that fails.
    void close()
    {
        if (!buffer_.close())
            setstate(std::ios::badbit);
    }

private:
    DescriptorBuffer buffer_;
};

} // namespace quorrin
