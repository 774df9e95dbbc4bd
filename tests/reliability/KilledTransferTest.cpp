#include "support/GeneratedFriends.h"
#include "support/TempDir.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <iostream>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

namespace quorrin::test {
namespace {

using Clock = std::chrono::steady_clock;

// Runs the transfer child on `target`, killing it with SIGKILL after `killAfter`; true when it ran to its
// end.
bool runChild(const std::string& target, std::optional<Clock::duration> killAfter)
{
    char* const argv[] = {const_cast<char*>(QUORRIN_TRANSFER_CHILD), const_cast<char*>(target.c_str()),
                          nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], nullptr, nullptr, argv, environ) != 0) {
        ADD_FAILURE() << "cannot start " << argv[0];
        return false;
    }
    if (killAfter) {
        std::this_thread::sleep_for(*killAfter);
        kill(child, SIGKILL); // not reaped yet, so the number is still this child's
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Killed at any moment, before it starts, while it backs up or rewrites the target, or after it ended, the
// transfer leaves the old full list whole as the target or as its backup; one that ended wrote the new list.
TEST(KilledTransfer, TheOldListSurvivesAKillAtAnyMoment)
{
    TempDir dir;
    const std::string target = (dir.path() / "Friends.txt").string();
    const std::string old = fileBytes(friendsLines("OldFriend", 32762));
    const std::string written = fileBytes(friendsLines("NewFriend", 32762));
    const auto start = [&] {
        dir.write("Friends.txt", old);
        std::filesystem::remove(target + "Backup");
    };

    std::vector<Clock::duration> runs;
    for (int i = 0; i < 5; ++i) {
        start();
        const auto began = Clock::now();
        ASSERT_TRUE(runChild(target, std::nullopt));
        runs.push_back(Clock::now() - began);
        ASSERT_EQ(readFile(target), written);
    }
    std::sort(runs.begin(), runs.end());
    const Clock::duration whole = runs[2];

    // From the moment it is started to a quarter past its usual time.
    constexpr int kRuns = 150;
    int killedAfterTheBackup = 0;
    for (int i = 0; i < kRuns; ++i) {
        const auto delay = whole * 5 * i / (4 * (kRuns - 1));
        SCOPED_TRACE("killed after " +
                     std::to_string(std::chrono::duration<double, std::micro>(delay).count()) + " us");
        start();
        const bool ended = runChild(target, delay);
        const std::string now = readFile(target);
        const std::string backup = readFile(target + "Backup");
        EXPECT_TRUE(now == old || backup == old);
        if (ended) {
            EXPECT_EQ(now, written);
        }
        killedAfterTheBackup += !ended && backup == old && now != written;
    }
    std::cout << "one run takes " << std::chrono::duration<double, std::milli>(whole).count() << " ms; "
              << killedAfterTheBackup << " of " << kRuns
              << " kills struck between the backup and the new list\n";
    EXPECT_GT(killedAfterTheBackup, 0) << "no kill struck between the backup and the new list";
}

} // namespace
} // namespace quorrin::test
