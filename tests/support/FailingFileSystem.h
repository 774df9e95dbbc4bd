#pragma once

#include "base/RuntimeError.h"
#include "platform/FileSystem.h"

#include <cstdio>
#include <optional>

namespace quorrin::test {

// The machine's file system, except where a test makes it fail.
class FailingFileSystem : public FileSystem
{
public:
    bool failReplace = false;              // replacing a file raises Permission denied
    std::optional<std::size_t> writeLimit; // a file opened for writing breaks after this many bytes

    std::unique_ptr<std::istream> openForReading(const std::string& path) override
    {
        return disk_->openForReading(path);
    }
    std::unique_ptr<std::ostream> openForWriting(const std::string& path) override
    {
        auto file = disk_->openForWriting(path);
        if (!writeLimit)
            return file;
        return std::make_unique<Limited>(std::move(file), *writeLimit);
    }
    void copyFile(const std::string& from, const std::string& to) override { disk_->copyFile(from, to); }
    void replaceFile(const std::string& path, std::string_view contents) override
    {
        failIfAsked();
        disk_->replaceFile(path, contents);
    }
    void replaceFileWith(const std::string& path, const std::function<void(std::ostream&)>& write) override
    {
        failIfAsked();
        disk_->replaceFileWith(path, write);
    }

private:
    // Passes `limit` bytes on to the real file, then fails like a full disk.
    struct Limited : std::streambuf, std::ostream
    {
        Limited(std::unique_ptr<std::ostream> file, std::size_t limit)
            : std::ostream(this), file_(std::move(file)), limit_(limit)
        {}
        std::streambuf::int_type overflow(std::streambuf::int_type ch) override
        {
            if (ch == EOF || limit_ == 0)
                return EOF;
            --limit_;
            file_->put(static_cast<char>(ch)).flush();
            return ch;
        }
        std::unique_ptr<std::ostream> file_;
        std::size_t limit_;
    };

    void failIfAsked() const
    {
        if (failReplace)
            throw RuntimeError(ErrorNumber::PermissionDenied);
    }

    std::unique_ptr<FileSystem> disk_ = createLocalFileSystem();
};

} // namespace quorrin::test
