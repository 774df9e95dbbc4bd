#include "support/ExpectedBoxes.h"
#include "support/GeneratedFriends.h"
#include "support/TransferWorld.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sched.h>
#include <set>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace quorrin::test {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kPage = 4096;

bool writeProcFile(const char* path, const std::string& text)
{
    std::ofstream out(path);
    return static_cast<bool>(out << text << std::flush);
}

// Enters a mount namespace of this process alone (as root, or else in a user namespace of its own) and
// mounts a tmpfs of `size` bytes there; empty where this process may do neither.
std::optional<fs::path> mountSmallDisk(std::size_t size)
{
    const auto uid = std::to_string(getuid());
    const auto gid = std::to_string(getgid());
    if (unshare(CLONE_NEWNS) != 0 &&
        (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 || !writeProcFile("/proc/self/setgroups", "deny") ||
         !writeProcFile("/proc/self/uid_map", "0 " + uid + " 1") ||
         !writeProcFile("/proc/self/gid_map", "0 " + gid + " 1")))
        return std::nullopt;
    // Nothing mounted here reaches the rest of the machine, and it goes when the process ends.
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return std::nullopt;
    std::string folder = (fs::temp_directory_path() / "quorrin-full-disk-XXXXXX").string();
    if (!mkdtemp(folder.data()))
        return std::nullopt;
    if (mount("tmpfs", folder.c_str(), "tmpfs", 0, ("size=" + std::to_string(size)).c_str()) != 0) {
        rmdir(folder.c_str());
        return std::nullopt;
    }
    return folder;
}

// With the disk full at each step in turn (the log, the backup, the target's rewrite), the transfer keeps the
// old list as the target or as its backup and reports the error; with room again the next transfer works.
TEST(FullDisk, ATransferThatRunsOutOfSpaceKeepsEveryFriend)
{
    const std::optional<fs::path> disk = mountSmallDisk(64 * 1024);
    if (!disk)
        GTEST_SKIP() << "no small tmpfs: this process may neither mount one as root nor in a user namespace";
    setenv("TMPDIR", disk->c_str(), 1); // every TempDir lives on the small disk
    // Fills the disk with one file until `free` bytes are left.
    const auto fill = [&](const fs::path& file, std::size_t free) {
        struct statvfs status
        {};
        ASSERT_EQ(statvfs(disk->c_str(), &status), 0);
        ASSERT_GE(status.f_bavail * status.f_frsize, free);
        std::ofstream(file, std::ios::binary) << std::string(status.f_bavail * status.f_frsize - free, '\0');
    };

    const std::vector<std::string> old = friendsLines("Old", 30);
    std::vector<std::string> lines = friendsLines("NewFriend", 1000); // four pages
    const std::string source = fileBytes(lines), target = fileBytes(old);
    lines.insert(lines.end() - 4, old.begin() + 1, old.end() - 4);
    const std::string written = fileBytes(lines);

    std::set<std::string> failedAt;
    bool fitted = false;
    for (std::size_t pages = 0; pages <= 8 && !fitted; ++pages) {
        SCOPED_TRACE(std::to_string(pages) + " pages free");
        TransferWorld world(source, target);
        const fs::path filler = world.dir.path() / "filler";
        fill(filler, pages * kPage);
        world.transferAnsweringOk();

        EXPECT_TRUE(world.keepsTheOldList(target));
        ASSERT_FALSE(world.dialogs.shown.empty());
        const MessageBoxRequest& last = world.dialogs.shown.back();
        if ((fitted = last == kTransferDone)) {
            EXPECT_EQ(world.readFriends("Dst"), written);
            EXPECT_EQ(world.readFriends("Dst", "Backup"), target);
            EXPECT_EQ(failedAt, (std::set<std::string>{"log", "backup", "target"}))
                << "each write ran out of space once before";
            continue;
        }
        EXPECT_TRUE(last == procErrorBox(61, "Disk full") || last == procErrorBox(57, "Device I/O error"))
            << testing::PrintToString(last);
        // The step the program logged last before the error.
        const auto& log = world.core.state.DebugList.entries();
        const std::string step =
            *(std::ranges::find_if(log, [](auto& entry) { return entry.starts_with("Ooops"); }) - 1);
        failedAt.insert(step == "Backing up Target File" ? "backup"
                        : step == "Opening Target File"  ? "target"
                                                         : "log");
        fs::remove(filler);
        world.expectTheNextTransferToWrite(1000, written);
    }
    EXPECT_TRUE(fitted) << "no transfer fitted";
    if (umount2(disk->c_str(), MNT_DETACH) == 0)
        rmdir(disk->c_str());
}

} // namespace
} // namespace quorrin::test
