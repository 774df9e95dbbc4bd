#include "base/RuntimeError.h"
#include "platform/FileSync.h"
#include "platform/FileSystem.h"
#include "platform/NativePath.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>

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

class LocalFileSystem final : public FileSystem
{
public:
    std::unique_ptr<std::istream> openForReading(const std::string& path) override
    {
        errno = 0;
        auto stream = std::make_unique<std::ifstream>(nativePath(path), std::ios::binary);
        if (!stream->is_open())
            throw errorFromErrno(errno, nativePath(path));
        std::error_code error;
        if (fs::is_directory(nativePath(path), error))
            throw RuntimeError(ErrorNumber::PathFileAccessError);
        return stream;
    }

    std::unique_ptr<std::ostream> openForWriting(const std::string& path) override
    {
        errno = 0;
        auto stream = std::make_unique<std::ofstream>(nativePath(path), std::ios::binary | std::ios::trunc);
        if (!stream->is_open())
            throw errorFromErrno(errno, nativePath(path));
        return stream;
    }

    void copyFile(const std::string& from, const std::string& to) override
    {
        std::error_code error;
        if (!fs::is_regular_file(nativePath(from), error))
            throw errorFromErrno(ENOENT, nativePath(from));
        fs::copy_file(nativePath(from), nativePath(to), fs::copy_options::overwrite_existing, error);
        if (error)
            throw errorFromErrno(error.value(), nativePath(to));
    }

    void replaceFile(const std::string& path, std::string_view contents) override
    {
        replaceFileWith(path, [contents](std::ostream& out) {
            out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
        });
    }

    void replaceFileWith(const std::string& path, const std::function<void(std::ostream&)>& write) override
    {
        const fs::path target = nativePath(path);
        fs::path temporary = target;
        temporary += ".tmp";
        {
            errno = 0;
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            if (!out.is_open())
                throw errorFromErrno(errno, temporary);
            try {
                write(out);
            } catch (...) {
                out.close();
                std::error_code ignored;
                fs::remove(temporary, ignored);
                throw;
            }
            out.close();
            if (!out) {
                const int code = errno;
                std::error_code ignored;
                fs::remove(temporary, ignored);
                throw errorFromErrno(code == 0 ? EIO : code, target);
            }
        }
        flushToDisk(temporary);
        std::error_code error;
        fs::rename(temporary, target, error);
        if (error) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            throw errorFromErrno(error.value(), target);
        }
    }
};

} // namespace

std::unique_ptr<FileSystem> createLocalFileSystem()
{
    return std::make_unique<LocalFileSystem>();
}

} // namespace quorrin
