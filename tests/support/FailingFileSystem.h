#pragma once

#include "lifecycle/RuntimeError.h"
#include "shell/FileSystem.h"

#include <memory>
#include <sstream>
#include <string>

namespace quorrin::test {

// The machine's file system, except for the one operation a test makes fail.
class FailingFileSystem : public FileSystem
{
public:
    enum class Fail
    {
        Nothing,
        OpenForReading,
        OpenForWriting,
        Writing, // the stream opened for writing breaks after `bytesBeforeFailure` bytes
        CopyFile,
        ReplaceFile,
    };

    Fail fail = Fail::Nothing;
    std::size_t bytesBeforeFailure = 0;
    ErrorNumber error = ErrorNumber::PermissionDenied;

    std::unique_ptr<std::istream> openForReading(const std::string& path) override
    {
        failIf(Fail::OpenForReading);
        return local_->openForReading(path);
    }
    std::unique_ptr<std::ostream> openForWriting(const std::string& path) override
    {
        failIf(Fail::OpenForWriting);
        auto stream = local_->openForWriting(path);
        if (fail != Fail::Writing)
            return stream;
        return std::make_unique<LimitedStream>(std::move(stream), bytesBeforeFailure);
    }
    void copyFile(const std::string& from, const std::string& to) override
    {
        failIf(Fail::CopyFile);
        local_->copyFile(from, to);
    }
    void replaceFile(const std::string& path, std::string_view contents) override
    {
        failIf(Fail::ReplaceFile);
        local_->replaceFile(path, contents);
    }
    void replaceFileWith(const std::string& path, const std::function<void(std::ostream&)>& write) override
    {
        failIf(Fail::ReplaceFile);
        local_->replaceFileWith(path, write);
    }

private:
    // Passes `limit` bytes on to the real file, then fails like a full disk.
    class LimitedBuffer : public std::streambuf
    {
    public:
        LimitedBuffer(std::unique_ptr<std::ostream> target, std::size_t limit)
            : target_(std::move(target)), limit_(limit)
        {}

    protected:
        int_type overflow(int_type ch) override
        {
            if (traits_type::eq_int_type(ch, traits_type::eof()) || limit_ == 0)
                return traits_type::eof();
            --limit_;
            target_->put(traits_type::to_char_type(ch));
            target_->flush();
            return ch;
        }

    private:
        std::unique_ptr<std::ostream> target_;
        std::size_t limit_;
    };

    class LimitedStream : public std::ostream
    {
    public:
        LimitedStream(std::unique_ptr<std::ostream> target, std::size_t limit)
            : std::ostream(nullptr), buffer_(std::move(target), limit)
        {
            rdbuf(&buffer_);
        }

    private:
        LimitedBuffer buffer_;
    };

    void failIf(Fail operation) const
    {
        if (fail == operation)
            throw RuntimeError(error);
    }

    std::unique_ptr<FileSystem> local_ = createLocalFileSystem();
};

} // namespace quorrin::test
