#include "support/ExpectedBoxes.h"
#include "support/GeneratedFriends.h"
#include "support/TransferWorld.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
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

class FullDisk : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        disk = mountSmallDisk(64 * 1024);
        if (disk)
            setenv("TMPDIR", disk->c_str(), 1); // every TempDir lives on the small disk
    }
    static void TearDownTestSuite()
    {
        if (disk && umount2(disk->c_str(), MNT_DETACH) == 0)
            rmdir(disk->c_str());
    }
    void SetUp() override
    {
        if (!disk)
            GTEST_SKIP()
                << "no small tmpfs: this process may neither mount one as root nor in a user namespace";
    }

    // Fills the disk with one file until `free` bytes are left.
    static void fill(const fs::path& file, std::size_t free)
    {
        struct statvfs status
        {};
        ASSERT_EQ(statvfs(disk->c_str(), &status), 0);
        const std::size_t available = status.f_bavail * status.f_frsize;
        ASSERT_GE(available, free);
        std::ofstream(file, std::ios::binary) << std::string(available - free, '\0');
    }

    static inline std::optional<fs::path> disk;
};

// With the disk full at each step in turn (the log, the backup, the target's rewrite), the transfer keeps the
// old list as the target or as its backup and reports the error; with room again the next transfer works.
TEST_F(FullDisk, ATransferThatRunsOutOfSpaceKeepsEveryFriend)
{
    const std::string source = fileBytes(friendsLines("NewFriend", 1000)); // four pages
    const std::vector<std::string> old = friendsLines("Old", 30);
    const std::string target = fileBytes(old);
    std::vector<std::string> lines = friendsLines("NewFriend", 1000);
    lines.insert(lines.end() - 4, old.begin() + 1, old.end() - 4);
    const std::string written = fileBytes(lines);

    std::set<std::string> failedAt;
    for (std::size_t pages = 0; pages <= 8; ++pages) {
        SCOPED_TRACE(std::to_string(pages) + " pages free");
        TransferWorld world(source, target);
        const fs::path filler = world.dir.path() / "filler";
        fill(filler, pages * kPage);
        world.dialogs.answerOthers = MessageResult::Ok;
        world.core.BtnTransfer_Click();

        const std::string now = world.readFriends("Dst");
        EXPECT_TRUE(now == target || world.readFriends("Dst", "Backup") == target);
        const auto& boxes = world.dialogs.shown;
        ASSERT_FALSE(boxes.empty());
        if (boxes.back() == kTransferDone) {
            EXPECT_EQ(now, written);
            EXPECT_EQ(world.readFriends("Dst", "Backup"), target);
            EXPECT_EQ(failedAt, (std::set<std::string>{"log", "backup", "target"}))
                << "each write ran out of space once before";
            return;
        }
        EXPECT_TRUE(boxes.back() == procErrorBox(61, "Disk full") ||
                    boxes.back() == procErrorBox(57, "Device I/O error"))
            << testing::PrintToString(boxes.back());
        // The step the program logged last before the error.
        const auto& log = world.core.state.DebugList.entries();
        const std::string step =
            *(std::find_if(log.begin(), log.end(), [](auto& e) { return e.starts_with("Ooops"); }) - 1);
        failedAt.insert(step == "Backing up Target File" ? "backup"
                        : step == "Opening Target File"  ? "target"
                                                         : "log");

        fs::remove(filler);
        world.dialogs.answerOthers.reset();
        world.expectQuestionAndDone(1000);
        world.core.BtnTransfer_Click();
        EXPECT_EQ(world.readFriends("Dst"), written);
    }
    ADD_FAILURE() << "no transfer fitted";
}

} // namespace
} // namespace quorrin::test
