#include "base/RuntimeError.h"
#include "platform/FileEnd.h"
#include "platform/FileSystem.h"
#include "platform/NativePath.h"
#include "platform/StreamCopy.h"
#include "platform/Win32Error_win.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <streambuf>
#include <type_traits>
#include <vector>
#include <windows.h>

namespace quorrin {

namespace {

namespace fs = std::filesystem;

// Windows refuses a folder opened as a file as access denied; POSIX reports it as a path/file access error,
// and so does this.
RuntimeError fileError(const fs::path& path, DWORD code)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (code == ERROR_ACCESS_DENIED && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return RuntimeError(ErrorNumber::PathFileAccessError);
    return runtimeErrorFromWin32(code);
}

// Shared for reading and writing, as the C runtime's fopen opened it: the Zone client may hold the file open.
// Only a file on a disk is taken: a pipe, console or other device under the name is refused by the type of
// what was opened.
HANDLE openFile(const fs::path& path, DWORD access, DWORD disposition)
{
    const HANDLE file = ::CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw fileError(path, ::GetLastError());
    if (::GetFileType(file) != FILE_TYPE_DISK) {
        ::CloseHandle(file);
        throw RuntimeError(ErrorNumber::PathFileAccessError);
    }
    return file;
}

// A stream buffer over a file handle it owns, one way only. The code of the first failed call is kept, so
// that a failed write can be reported as what it was.
class HandleBuffer final : public std::streambuf
{
public:
    HandleBuffer(HANDLE file, bool writing, FileEnd fileEnd)
        : file_(file), buffer_(kBufferSize), end_(fileEnd), cutPending_(fileEnd == FileEnd::CutAfterLastWrite)
    {
        if (writing)
            setp(buffer_.data(), buffer_.data() + buffer_.size());
    }
    ~HandleBuffer() override { close(); }
    HandleBuffer(const HandleBuffer&) = delete;
    HandleBuffer& operator=(const HandleBuffer&) = delete;

    HANDLE handle() const { return file_; }

    // Writes out what is buffered (and cuts the file after it, if asked to) and closes the handle.
    // ERROR_SUCCESS when every call succeeded, else the code of the first that failed.
    DWORD close()
    {
        if (file_ != INVALID_HANDLE_VALUE) {
            writeBuffered();
            cutAfterLastWrite();
            if (!::CloseHandle(file_))
                keepError(::GetLastError());
            file_ = INVALID_HANDLE_VALUE;
        }
        return error_;
    }

protected:
    int_type underflow() override
    {
        DWORD read = 0;
        if (!::ReadFile(file_, buffer_.data(), static_cast<DWORD>(buffer_.size()), &read, nullptr)) {
            keepError(::GetLastError());
            // The stream catches this and turns bad, as with the standard file buffer; an end of file here
            // would pass a cut-off file as a whole one.
            throw runtimeErrorFromWin32(error_);
        }
        if (read == 0)
            return traits_type::eof();
        setg(buffer_.data(), buffer_.data(), buffer_.data() + read);
        return traits_type::to_int_type(*gptr());
    }

    int_type overflow(int_type ch) override
    {
        if (!writeBuffered())
            return traits_type::eof();
        if (!traits_type::eq_int_type(ch, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(ch);
            pbump(1);
        }
        return traits_type::not_eof(ch);
    }

    int sync() override { return writeBuffered() && cutAfterLastWrite() ? 0 : -1; }

    // What is left to read of the file, so that a reader can make room at once; 0 when that is not known.
    std::streamsize showmanyc() override
    {
        LARGE_INTEGER size{};
        LARGE_INTEGER at{};
        if (!::GetFileSizeEx(file_, &size) ||
            !::SetFilePointerEx(file_, LARGE_INTEGER{}, &at, FILE_CURRENT) || size.QuadPart <= at.QuadPart)
            return 0;
        return static_cast<std::streamsize>(
            std::min<LONGLONG>(size.QuadPart - at.QuadPart, std::numeric_limits<std::streamsize>::max()));
    }

private:
    static constexpr std::size_t kBufferSize = 65536;

    // After a failure nothing more is written: the put area stays full and every later write fails too.
    bool writeBuffered()
    {
        if (error_ != ERROR_SUCCESS)
            return false;
        const char* next = pbase();
        cutPending_ = cutPending_ || next < pptr();
        while (next < pptr()) {
            DWORD written = 0;
            if (!::WriteFile(file_, next, static_cast<DWORD>(pptr() - next), &written, nullptr)) {
                keepError(::GetLastError());
                return false;
            }
            if (written == 0) {
                keepError(ERROR_WRITE_FAULT);
                return false;
            }
            next += written;
        }
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        return true;
    }

    // With FileEnd::CutAfterLastWrite, drops what is left of the old content past the bytes written.
    bool cutAfterLastWrite()
    {
        if (end_ != FileEnd::CutAfterLastWrite || !cutPending_)
            return true;
        cutPending_ = false;
        if (::SetEndOfFile(file_))
            return true;
        keepError(::GetLastError());
        return false;
    }

    void keepError(DWORD code)
    {
        if (error_ == ERROR_SUCCESS)
            error_ = code;
    }

    HANDLE file_;
    std::vector<char> buffer_;
    FileEnd end_;
    bool cutPending_; // written since the file was last cut, or never cut yet
    DWORD error_ = ERROR_SUCCESS;
};

// An input or output stream over a buffer of its own; the file is written out and closed when it goes.
template<typename Stream>
class HandleStream final : public Stream
{
public:
    explicit HandleStream(HANDLE file, FileEnd fileEnd = FileEnd::AsWritten)
        : Stream(nullptr), buffer_(file, std::is_same_v<Stream, std::ostream>, fileEnd)
    {
        this->rdbuf(&buffer_);
    }

    HANDLE handle() const { return buffer_.handle(); }
    DWORD close() { return buffer_.close(); }

private:
    HandleBuffer buffer_;
};

// Through the Win32 calls, not the C runtime, so that a failure's own code is there to report.
class LocalFileSystem final : public FileSystem
{
public:
    std::unique_ptr<std::istream> openForReading(const std::string& path) override
    {
        return std::make_unique<HandleStream<std::istream>>(
            openFile(nativePath(path), GENERIC_READ, OPEN_EXISTING));
    }

    std::unique_ptr<std::ostream> openForWriting(const std::string& path) override
    {
        // Written over, not emptied first, as on the other systems: the file itself is kept, and freeing its
        // blocks only to take them again costs more than writing the bytes.
        return std::make_unique<HandleStream<std::ostream>>(
            openFile(nativePath(path), GENERIC_WRITE, OPEN_ALWAYS), FileEnd::CutAfterLastWrite);
    }

    // The copy is written next to `to` and moved over it when complete: a link under the name `to` is
    // replaced, never followed, and `to` is never half written.
    void copyFile(const std::string& from, const std::string& to) override
    {
        HandleStream<std::istream> in(openFile(nativePath(from), GENERIC_READ, OPEN_EXISTING));
        replaceFileWith(
            to, [&in](std::ostream& out) { copyStream(in, out); }, Durability::OnDisk);
    }

    void replaceFileWith(const std::string& path, const std::function<void(std::ostream&)>& write,
                         Durability durability) override
    {
        const fs::path target = nativePath(path);
        fs::path temporary = target;
        temporary += ".tmp";
        HandleStream<std::ostream> out(openFile(temporary, GENERIC_WRITE, CREATE_ALWAYS));
        try {
            write(out);
        } catch (...) {
            out.close();
            ::DeleteFileW(temporary.c_str());
            throw;
        }
        out.flush();
        // A failed flush is ignored, as flushToDisk ignores it: the move below stays atomic either way.
        if (durability == Durability::OnDisk)
            ::FlushFileBuffers(out.handle());
        const DWORD error = out.close();
        if (error != ERROR_SUCCESS || !out) {
            ::DeleteFileW(temporary.c_str());
            throw runtimeErrorFromWin32(error != ERROR_SUCCESS ? error : ERROR_WRITE_FAULT);
        }
        if (!::MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) {
            const DWORD code = ::GetLastError();
            ::DeleteFileW(temporary.c_str());
            throw fileError(target, code);
        }
    }
};

} // namespace

std::unique_ptr<FileSystem> createLocalFileSystem()
{
    return std::make_unique<LocalFileSystem>();
}

} // namespace quorrin
