// A friends list's name held by something that is no file: each is treated as a damaged list at once, and a
// transfer never writes into or through it.
#include "support/CoreWorld.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

namespace quorrin::test {
namespace {

namespace fs = std::filesystem;

const FriendsEntries kDamagedNotice{"Friends.txt is damaged", "This will be repaired", "Automatically"};

// Puts something other than a regular file at `path`; the socket stays bound until the descriptor closes.
struct Oddity
{
    const char* kind;
    std::function<void(const fs::path&)> make;
};

int boundSocket = -1;

const Oddity kOddities[] = {
    // A FIFO nobody writes into: a blocking open would wait for ever.
    {"FIFO", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }},
    {"socket",
     [](const fs::path& p) {
         sockaddr_un address{};
         address.sun_family = AF_UNIX;
         ASSERT_LT(p.native().size(), sizeof(address.sun_path));
         std::copy(p.native().begin(), p.native().end(), address.sun_path);
         boundSocket = ::socket(AF_UNIX, SOCK_STREAM, 0);
         ASSERT_EQ(::bind(boundSocket, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
     }},
    {"device", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }},
    {"folder", [](const fs::path& p) { fs::create_directory(p); }},
    {"danglingLink", [](const fs::path& p) { fs::create_symlink(p.parent_path() / "gone", p); }},
};

TEST(NonRegularFiles, AreReadAsADamagedListAtOnceAndStopATransferIntoThem)
{
    for (const Oddity& oddity : kOddities) {
        SCOPED_TRACE(oddity.kind);
        CoreWorld world;
        world.writeFriends("Src", "Ann\r\nBob\r\n");
        fs::create_directories(fs::path(world.friendsPath("Odd")).parent_path());
        oddity.make(world.friendsPath("Odd"));
        world.core.state.SourceList.items = world.core.state.TargetList.items = {"Src", "Odd"};
        const fs::file_type kind = fs::symlink_status(world.friendsPath("Odd")).type();

        world.core.SourceList_Click(1);
        const FriendsList& list = world.core.state.SourceListZoneNames;
        EXPECT_EQ(list.entries, kDamagedNotice);
        EXPECT_TRUE(list.lastReadFailed);
        EXPECT_EQ(world.core.state.DebugList.entries().back(), "Possible Damaged File Found");
        EXPECT_TRUE(world.view.timer1Enabled);

        world.core.SourceList_Click(0);
        world.core.TargetList_Click(1);
        world.dialogs.expectMessage({"Fatal Error: Unnable to open Target File. Stopping Transfer",
                                     "Fatal Error", MessageIcon::Critical, MessageButtons::Ok});
        world.core.BtnTransfer_Click();
        EXPECT_EQ(fs::symlink_status(world.friendsPath("Odd")).type(), kind);
        EXPECT_FALSE(fs::exists(fs::symlink_status(world.friendsPath("Odd") + "Backup")));
        EXPECT_EQ(world.core.state.TotalTransfers, 0);
        if (boundSocket >= 0)
            ::close(std::exchange(boundSocket, -1));
    }
}

// The file layer under the transfer: what is opened is checked after the open, so a FIFO put in the
// target's place after the transfer looked at it is refused too, and a backup name that is a link is
// replaced, never written through.
TEST(FileLayer, WritingRefusesWhatIsNoFileAndBackupsReplaceLinks)
{
    TempDir dir;
    const auto files = createLocalFileSystem();
    const fs::path fifo = dir.path() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_THROW(files->openForWriting(fifo.string()), RuntimeError);
    EXPECT_THROW(files->copyFile(fifo.string(), (dir.path() / "copy").string()), RuntimeError);
    EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);

    dir.write("Friends.txt", "Ann\r\n");
    dir.write("precious.txt", "keep me");
    fs::create_symlink(dir.path() / "precious.txt", dir.path() / "Friends.txtBackup");
    files->copyFile((dir.path() / "Friends.txt").string(), (dir.path() / "Friends.txtBackup").string());
    EXPECT_EQ(dir.read("precious.txt"), "keep me");
    EXPECT_EQ(fs::symlink_status(dir.path() / "Friends.txtBackup").type(), fs::file_type::regular);
    EXPECT_EQ(dir.read("Friends.txtBackup"), "Ann\r\n");
    EXPECT_FALSE(fs::exists(dir.path() / "Friends.txtBackup.tmp"));
}

} // namespace
} // namespace quorrin::test
