#include "base/RuntimeError.h"
#include "platform/DescriptorStream_posix.h"
#include "platform/FileSync.h"
#include "platform/FileSystem.h"
#include "platform/NativePath.h"
#include "platform/StreamCopy.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace quorrin {

namespace {

namespace fs = std::filesystem;

RuntimeError errorFromErrno(int code, const fs::path& path)
{
    switch (code) {
    case ENOENT: {
        std::error_code ignored;
        const fs::path parent = path.parent_path();
        return RuntimeError(parent.empty() || fs::is_directory(parent, ignored) ? ErrorNumber::FileNotFound
                                                                                : ErrorNumber::PathNotFound);
    }
    case ENOTDIR:
        return RuntimeError(ErrorNumber::PathNotFound);
    case EACCES:
    case EPERM:
        return RuntimeError(ErrorNumber::PermissionDenied);
    case EROFS:
    case EISDIR:
        return RuntimeError(ErrorNumber::PathFileAccessError);
    case ENOSPC:
        return RuntimeError(ErrorNumber::DiskFull);
    default:
        return RuntimeError(ErrorNumber::DeviceIoError);
    }
}

// Opens `path` as a regular file only. A FIFO, socket, device or folder under a friends list's name is no
// friends list: it is opened without blocking (a FIFO without a writer would otherwise hang the program) and
// refused by the type of what was opened, so that nothing swapped in between a look and the open gets
// through. The descriptor that is returned blocks again.
int openRegularFile(const fs::path& path, int flags)
{
    int descriptor;
    do
        descriptor = ::open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    while (descriptor < 0 && errno == EINTR);
    if (descriptor < 0)
        throw errorFromErrno(errno == ENXIO ? EISDIR : errno, path); // ENXIO: a FIFO nobody reads
    struct stat status
    {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        throw RuntimeError(ErrorNumber::PathFileAccessError);
    }
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    return descriptor;
}

// The file next to `target` that takes content meant to replace `target` once it is complete. Whatever is
// left under that name (a run that was killed, or a link) is removed first, and O_EXCL makes sure nothing
// that appears under the name meanwhile is written through.
std::pair<int, fs::path> createTemporaryNextTo(const fs::path& target)
{
    fs::path temporary = target;
    temporary += ".tmp";
    ::unlink(temporary.c_str());
    const int descriptor =
        ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666);
    if (descriptor < 0)
        throw errorFromErrno(errno, temporary);
    return {descriptor, temporary};
}

class LocalFileSystem final : public FileSystem
{
public:
    std::unique_ptr<std::istream> openForReading(const std::string& path) override
    {
        return std::make_unique<DescriptorInputStream>(openRegularFile(nativePath(path), O_RDONLY));
    }

    std::unique_ptr<std::ostream> openForWriting(const std::string& path) override
    {
        // Written over, not emptied first: emptying a file frees its blocks, which costs a file system more
        // than writing the same bytes again (on ext4 several times as much as writing a whole friends list).
        return std::make_unique<DescriptorOutputStream>(openRegularFile(nativePath(path), O_WRONLY | O_CREAT),
                                                        FileEnd::CutAfterLastWrite);
    }

    // The copy is written next to `to` and renamed over it when complete: a link under the name `to` is
    // replaced, never followed, and `to` is never half written.
    void copyFile(const std::string& from, const std::string& to) override
    {
        DescriptorInputStream in(openRegularFile(nativePath(from), O_RDONLY));
        replaceFileWith(
            to, [&in](std::ostream& out) { copyStream(in, out); }, Durability::OnDisk);
    }

    void replaceFileWith(const std::string& path, const std::function<void(std::ostream&)>& write,
                         Durability durability) override
    {
        const fs::path target = nativePath(path);
        const auto created = createTemporaryNextTo(target);
        const int descriptor = created.first;
        const fs::path& temporary = created.second;
        const auto discard = [&temporary] {
            std::error_code ignored;
            fs::remove(temporary, ignored);
        };
        {
            DescriptorOutputStream out(descriptor);
            try {
                write(out);
            } catch (...) {
                out.close();
                discard();
                throw;
            }
            errno = 0;
            out.flush();
            const int flushError = errno;
            if (!out || (durability == Durability::OnDisk && ::fsync(descriptor) != 0)) {
                const int code = flushError != 0 ? flushError : errno;
                out.close();
                discard();
                throw errorFromErrno(code == 0 ? EIO : code, target);
            }
            out.close();
            if (!out) {
                const int code = errno;
                discard();
                throw errorFromErrno(code == 0 ? EIO : code, target);
            }
        }
        std::error_code error;
        fs::rename(temporary, target, error);
        if (error) {
            discard();
            throw errorFromErrno(error.value(), target);
        }
        if (durability == Durability::OnDisk)
            flushToDisk(target.parent_path().empty() ? fs::path(".") : target.parent_path());
    }
};

} // namespace

std::unique_ptr<FileSystem> createLocalFileSystem()
{
    return std::make_unique<LocalFileSystem>();
}

} // namespace quorrin
