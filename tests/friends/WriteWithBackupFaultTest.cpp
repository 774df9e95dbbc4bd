#include "base/DiagnosticLog.h"
#include "friends/TransferLines.h"
#include "support/FailingFileSystem.h"
#include "support/GeneratedFriends.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace quorrin::test {
namespace {

// Whichever write fails, the old list survives whole as the target or as its backup, the failure is raised,
// and the next write without a fault writes the new list.
TEST(WriteWithBackupFaults, TheOldListSurvivesEveryFailingWrite)
{
    TempDir dir;
    const std::string target = (dir.path() / "Friends.txt").string();
    const std::string old = fileBytes(friendsLines("Old", 30));
    const std::vector<std::string> lines = friendsLines("New", 40);
    FailingFileSystem files;
    DiagnosticLog log;

    dir.write("Friends.txt", old);
    writeWithBackup(files, target, views(lines), log);
    ASSERT_EQ(dir.read("Friends.txt"), fileBytes(lines));
    forEachWriteFault(files.writeOperations, [&](WriteFault fault) {
        dir.write("Friends.txt", old);
        dir.write("Friends.txtBackup", "an earlier backup\r\n");
        files.fault = fault;
        files.raised.reset();
        try {
            writeWithBackup(files, target, views(lines), log);
            ADD_FAILURE() << "the failure was not raised";
        } catch (const RuntimeError& error) {
            // A stream that goes bad tells nothing of why: only Device I/O error can be raised then.
            EXPECT_EQ(error.number(), static_cast<int>(files.raised.value_or(ErrorNumber::DeviceIoError)));
        }
        EXPECT_TRUE(dir.read("Friends.txt") == old || dir.read("Friends.txtBackup") == old);

        files.fault.reset();
        writeWithBackup(files, target, views(lines), log);
        EXPECT_EQ(dir.read("Friends.txt"), fileBytes(lines));
    });
}

} // namespace
} // namespace quorrin::test
