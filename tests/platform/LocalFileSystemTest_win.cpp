#include "base/RuntimeError.h"
#include "platform/FileSystem.h"
#include "platform/Win32Error_win.h"
#include "support/TempDir.h"

#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <stdexcept>
#include <tuple>
#include <vector>

namespace quorrin {
namespace {

std::int32_t errorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}

TEST(LocalFileSystem, failedCallsRaiseTheErrorOfTheirCause)
{
    const test::TempDir root;
    const std::string dir = root.str() + "\\";
    root.write("held.txt", "held");
    root.write("folder\\Friends.txt", "[Friends]\r\n");
    // Another program holding the file open and sharing nothing, as an editor or the Zone client may.
    const HANDLE held = ::CreateFileA((dir + "held.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const auto files = createLocalFileSystem();

    using enum ErrorNumber;
    const std::tuple<const char*, std::function<void()>, ErrorNumber> cases[] = {
        {"reading a missing file", [&] { files->openForReading(dir + "missing.txt"); }, FileNotFound},
        {"reading in a missing folder", [&] { files->openForReading(dir + "none\\Friends.txt"); },
         PathNotFound},
        {"a name Windows does not allow", [&] { files->openForReading(dir + "a?b.txt"); }, PathNotFound},
        {"reading a held file", [&] { files->openForReading(dir + "held.txt"); }, PermissionDenied},
        {"copying over a held file", [&] { files->copyFile(dir + "folder\\Friends.txt", dir + "held.txt"); },
         PermissionDenied},
        {"replacing a held file", [&] { files->replaceFile(dir + "held.txt", "x"); }, PermissionDenied},
        // As on POSIX, not the access denied Windows gives.
        {"reading a folder", [&] { files->openForReading(dir + "folder"); }, PathFileAccessError},
    };
    for (const auto& [what, call, expected] : cases)
        EXPECT_EQ(errorOf(call), static_cast<std::int32_t>(expected)) << what;
    // Failures no call here brings about, as the error codes the system gives for them.
    const std::pair<ErrorNumber, std::vector<DWORD>> codes[] = {
        {PathNotFound, {ERROR_BAD_NETPATH}},
        {PermissionDenied, {ERROR_ACCESS_DENIED, ERROR_LOCK_VIOLATION}},
        {PathFileAccessError, {ERROR_WRITE_PROTECT}},
        {DiskFull, {ERROR_DISK_FULL, ERROR_HANDLE_DISK_FULL}},
        {DeviceIoError, {ERROR_GEN_FAILURE, ERROR_NOT_READY, ERROR_FILE_EXISTS}},
    };
    for (const auto& [number, numberCodes] : codes)
        for (const DWORD code : numberCodes)
            EXPECT_EQ(runtimeErrorFromWin32(code).number(), static_cast<std::int32_t>(number))
                << "code " << code;

    ::CloseHandle(held);
    EXPECT_EQ(root.read("held.txt"), "held");
    EXPECT_FALSE(root.exists("held.txt.tmp")) << "a failed replace leaves its temporary file behind";
}

TEST(LocalFileSystem, filesKeepEveryByteAndAreRewrittenInPlace)
{
    const test::TempDir root;
    const std::string path = root.str() + "\\Friends.txt";
    // Every byte value, so line ends and the C runtime's end-of-file byte too, over more than one buffer.
    std::string bytes;
    for (int i = 0; i < 200'000; ++i)
        bytes += static_cast<char>(i * 7 % 256);
    const auto files = createLocalFileSystem();

    files->replaceFile(path, bytes);
    files->copyFile(path, path + "Backup");
    const auto in = files->openForReading(path + "Backup");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(*in), {}), bytes);

    // A file rewritten in place is the same file: a second name for it sees the new content.
    ASSERT_TRUE(::CreateHardLinkA((root.str() + "\\link.txt").c_str(), path.c_str(), nullptr));
    files->openForWriting(path)->write("[Friends]", 9); // written out when the stream goes
    EXPECT_EQ(root.read("link.txt"), "[Friends]");

    const auto tornWrite = [](std::ostream& out) {
        out << "torn";
        throw std::runtime_error("stopped");
    };
    EXPECT_THROW(files->replaceFileWith(path, tornWrite, Durability::OnDisk), std::runtime_error);
    EXPECT_EQ(root.read("Friends.txt"), "[Friends]");
    EXPECT_FALSE(root.exists("Friends.txt.tmp"));
}

} // namespace
} // namespace quorrin
