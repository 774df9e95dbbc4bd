#include "app/DebugLogWriter.h"

#include "base/DiagnosticLog.h"
#include "settings/Global.h"
#include "settings/Schema.h"
#include "settings/Settings.h"
#include "support/FailingFileSystem.h"
#include "support/FakeDialogs.h"
#include "support/MemoryRegistryBackend.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <optional>

namespace quorrin::test {
namespace {

// A log writer in a fresh folder, on a file system that fails where a test says.
struct LogWorld
{
    std::string file() const { return dir.read("Debuglog.txt"); }
    std::optional<std::string> cleanExit() const
    {
        return registry.text(RegRoot::CurrentUser, std::string(schema::kSettingsKey),
                             std::string(schema::kCleanExit.name));
    }

    TempDir dir;
    DiagnosticLog log;
    FailingFileSystem files;
    MemoryRegistryBackend registry;
    Global store{registry};
    Settings settings{store};
    DebugLogWriter writer{log, files, settings, dir.str()};
};

struct DebugLogWriterTest : ::testing::Test, LogWorld
{};

TEST_F(DebugLogWriterTest, SilentWriteIsFollowedByOneTimerWrite)
{
    writer.WriteDebugLog("2");
    EXPECT_TRUE(dir.exists("Debuglog.txt"));
    EXPECT_EQ(file(), "");
    EXPECT_EQ(writer.LoggedLineCount(), 1u);

    writer.Timer1_Timer();
    EXPECT_EQ(file(), "0 Records Written To DebugLog.txt\r\n");
    const auto written = std::filesystem::last_write_time(dir.path() / "Debuglog.txt");
    writer.Timer1_Timer();
    writer.Timer1_Timer();
    EXPECT_EQ(std::filesystem::last_write_time(dir.path() / "Debuglog.txt"), written);
    EXPECT_EQ(log.size(), 1u);
}

TEST_F(DebugLogWriterTest, ModeIsReadAsTheLeadingNumber)
{
    log.add("start");
    for (const char* mode : {"2", " 2.0", "0", "abc", "2.5"})
        writer.WriteDebugLog(mode);
    EXPECT_EQ(file(), "start\r\n1 Records Written To DebugLog.txt\r\n2 Records Written To DebugLog.txt\r\n"
                      "3 Records Written To DebugLog.txt\r\n");
    EXPECT_EQ(cleanExit(), std::nullopt);
}

TEST_F(DebugLogWriterTest, ALongLogKeepsCounting)
{
    for (int i = 0; i < 40000; ++i)
        log.add("entry");
    writer.Timer1_Timer();
    log.add("more");
    writer.Timer1_Timer();
    EXPECT_EQ(log.at(40000), "40000 Records Written To DebugLog.txt");
    EXPECT_EQ(log.at(40002), "40002 Records Written To DebugLog.txt");
    EXPECT_EQ(writer.LoggedLineCount(), 40003u);
    EXPECT_EQ(file().size(), 40000u * 7 + 2 * 39 + 6);
}

// A log in a folder that is gone: no write adds an entry. A crash notice with no log to keep shows no box.
TEST_F(DebugLogWriterTest, AFileThatCannotBeOpenedRaisesAndAddsNothing)
{
    log.add("kept");
    DebugLogWriter failing(log, files, settings, (dir.path() / "gone").string());
    for (const char* mode : {"0", "1", "2"}) {
        try {
            failing.WriteDebugLog(mode);
            ADD_FAILURE() << "mode " << mode << " did not raise";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), 76) << error.description();
        }
    }
    failing.Timer1_Timer(); // swallowed, and tried again at the next tick
    failing.Timer1_Timer();
    EXPECT_EQ(log.entries(), std::vector<std::string>{"kept"});
    EXPECT_EQ(cleanExit(), std::nullopt);
    FakeDialogs dialogs; // fails the test on any box
    EXPECT_THROW(writer.ShowCrashNotice(dialogs), RuntimeError);
}

// Whichever write of the log fails, Debuglog.txt keeps its last whole content, the failure is raised, the run
// is not marked clean, and the next write without a fault holds every entry it counts.
TEST(DebugLogWriterFaults, EveryFailingWriteKeepsTheLastWholeLog)
{
    // 30 entries written, one more added since.
    struct World : LogWorld
    {
        World()
        {
            for (int i = 0; i < 30; ++i)
                log.add("entry " + std::to_string(i));
            writer.WriteDebugLog("2");
            log.add("later");
            files.writeOperations = 0;
        }
        // The entries up to the count of the last write; a silent write counts one more than it writes.
        std::string loggedEntries() const
        {
            std::string text;
            for (std::size_t i = 0; i < std::min(writer.LoggedLineCount(), log.size()); ++i)
                text += log.at(i) + "\r\n";
            return text;
        }
    };
    for (const std::string mode : {"2", "0", "1"}) {
        SCOPED_TRACE("mode " + mode);
        World counted;
        counted.writer.WriteDebugLog(mode);
        forEachWriteFault(counted.files.writeOperations, [&](WriteFault fault) {
            World world;
            const std::string old = world.file();
            const std::size_t logged = world.writer.LoggedLineCount();
            world.files.fault = fault;
            try {
                world.writer.WriteDebugLog(mode);
                ADD_FAILURE() << "the failure was not raised";
            } catch (const RuntimeError& error) {
                EXPECT_EQ(error.number(), static_cast<int>(world.files.raised.value()));
            }
            EXPECT_EQ(world.file(), old);
            EXPECT_EQ(world.writer.LoggedLineCount(), logged);
            EXPECT_EQ(world.cleanExit(), std::nullopt);

            world.files.fault.reset();
            world.writer.WriteDebugLog(mode);
            EXPECT_EQ(world.file(), world.loggedEntries());
            EXPECT_EQ(world.cleanExit(), mode == "1" ? std::optional<std::string>("True") : std::nullopt);
        });
    }
}

} // namespace
} // namespace quorrin::test
