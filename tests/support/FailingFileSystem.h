#pragma once

#include "base/RuntimeError.h"
#include "platform/FileSystem.h"

#include <cstddef>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <optional>
#include <string>

namespace quorrin::test {

// From the write operation numbered `at` (counted from 1) on, every write operation fails with `error`, as
// on a disk that has run full or a device that has gone.
struct WriteFault
{
    std::size_t at;
    ErrorNumber error;
};

// The machine's file system, except where a test makes it fail. The write operations it counts: each write
// into a stream and each flush of one, the close and the rename that end a replace, a copy.
class FailingFileSystem : public FileSystem
{
public:
    std::optional<WriteFault> fault;
    std::size_t writeOperations = 0;
    // The error the fault was raised as; empty while it only left a stream bad (or did not strike).
    std::optional<ErrorNumber> raised;

    std::unique_ptr<std::istream> openForReading(const std::string& path) override
    {
        return disk_->openForReading(path);
    }
    std::unique_ptr<std::ostream> openForWriting(const std::string& path) override
    {
        auto file = disk_->openForWriting(path);
        std::ostream& out = *file;
        return std::make_unique<Stream>(out, *this, std::move(file));
    }
    void copyFile(const std::string& from, const std::string& to) override
    {
        if (failsNow()) {
            // The harshest copy that fails: the destination is left torn.
            const auto in = disk_->openForReading(from);
            const std::string bytes{std::istreambuf_iterator<char>(*in), {}};
            disk_->openForWriting(to)->write(bytes.data(), static_cast<std::streamsize>(bytes.size() / 2));
            raise();
        }
        disk_->copyFile(from, to);
    }
    void replaceFileWith(const std::string& path, const std::function<void(std::ostream&)>& write,
                         Durability durability) override
    {
        disk_->replaceFileWith(
            path,
            [&](std::ostream& file) {
                Stream out(file, *this);
                write(out);
                // Throwing here makes the disk drop its new file, as a failed close or rename would.
                if (!out || failsNow()) // the close
                    raise();
                if (failsNow()) // the rename
                    raise();
            },
            durability);
    }

private:
    // Passes writes on to `file_`, counting each; a failing write passes half its bytes on first.
    struct Stream : std::streambuf, std::ostream
    {
        Stream(std::ostream& file, FailingFileSystem& owner, std::unique_ptr<std::ostream> owned = nullptr)
            : std::ostream(this), file_(file), owner_(owner), owned_(std::move(owned))
        {}
        using int_type = std::streambuf::int_type;
        using traits_type = std::streambuf::traits_type;

        int_type overflow(int_type ch) override
        {
            if (traits_type::eq_int_type(ch, traits_type::eof()))
                return traits_type::not_eof(ch);
            const char c = traits_type::to_char_type(ch);
            return xsputn(&c, 1) == 1 ? ch : traits_type::eof();
        }
        std::streamsize xsputn(const char* s, std::streamsize n) override
        {
            const std::streamsize passed = owner_.failsNow() ? n / 2 : n;
            file_.write(s, passed);
            return file_ ? passed : 0;
        }
        int sync() override { return !owner_.failsNow() && file_.flush() ? 0 : -1; }

        std::ostream& file_;
        FailingFileSystem& owner_;
        std::unique_ptr<std::ostream> owned_;
    };

    bool failsNow()
    {
        ++writeOperations;
        return fault && writeOperations >= fault->at;
    }
    [[noreturn]] void raise()
    {
        raised = fault ? fault->error : ErrorNumber::DeviceIoError;
        throw RuntimeError(*raised);
    }

    std::unique_ptr<FileSystem> disk_ = createLocalFileSystem();
};

// Runs `run` once for every write operation of a run that has `operations` of them, failing from that
// operation on, once as a full disk and once as an I/O error.
inline void forEachWriteFault(std::size_t operations, const std::function<void(WriteFault)>& run)
{
    for (const ErrorNumber error : {ErrorNumber::DiskFull, ErrorNumber::DeviceIoError}) {
        for (std::size_t at = 1; at <= operations; ++at) {
            SCOPED_TRACE("write operation " + std::to_string(at) + " fails with error " +
                         std::to_string(static_cast<int>(error)));
            run({at, error});
        }
    }
}

} // namespace quorrin::test
