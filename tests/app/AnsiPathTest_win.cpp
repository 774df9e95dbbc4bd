#include "app/DebugLogWriter.h"
#include "app/FriendsReader.h"
#include "app/MainState.h"
#include "platform/FileSystem.h"
#include "settings/Global.h"
#include "settings/Settings.h"
#include "support/FakeMainView.h"
#include "support/MemoryRegistryBackend.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace quorrin {
namespace {

// Writes `bytes` to a file through the single-byte API, as the Zone client does.
void writeAnsiFile(const std::string& path, const std::string& bytes)
{
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
}

// Folder names in the 8-bit code page ("\x80" is the euro sign in windows-1252) are the names the file search
// reports; every file operation must take them as they are.
TEST(AnsiPaths, ZoneNamesAndWorkingFoldersBeyondAsciiWork)
{
    test::TempDir root;
    const std::string zoneName = "\x80uro_K\xe9nig";
    const std::string folder = root.str() + "\\" + zoneName;
    ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr));
    writeAnsiFile(folder + "\\Friends.txt", "[Friends]\r\nAnn\r\n");

    MainState state;
    test::FakeMainView view;
    const auto files = createLocalFileSystem();
    state.ZonePath = root.str();
    FriendsReader(state, view, *files).ReadFriendsList(zoneName, Side::Target);
    EXPECT_FALSE(state.TargetListZoneNames.lastReadFailed);
    EXPECT_EQ(state.TargetListZoneNames.entries, FriendsEntries{"Ann"});

    const std::string workingFolder = root.str() + "\\caf\xe9";
    ASSERT_TRUE(::CreateDirectoryA(workingFolder.c_str(), nullptr));
    MemoryRegistryBackend registry;
    Global store(registry);
    Settings settings(store);
    DebugLogWriter writer(state.DebugList, *files, settings, workingFolder);
    EXPECT_NO_THROW(writer.WriteDebugLog("2"));
    EXPECT_NE(::GetFileAttributesA((workingFolder + "\\Debuglog.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}

} // namespace
} // namespace quorrin
