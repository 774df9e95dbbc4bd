#include "base/Contacts.h"
#include "support/ExpectedBoxes.h"
#include "support/GeneratedFriends.h"
#include "support/TransferWorld.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <set>

namespace quorrin::test {
namespace {

constexpr const char* kTail = "\r\n[#Watchers Allowed]\r\n\r\n[#Watchers Not Allowed]\r\n";

TEST(Transfer, WritesChosenEntriesFirstThenTargetsOwnUnderFriends)
{
    const struct
    {
        std::string source, target;
        std::set<std::size_t> unchecked;
        int chosen;
        std::string written; // without the closing lines
    } cases[] = {
        // clang-format off
        {"[Friends]\r\nAnn\r\n", "[Friends]\r\nBob\r\n", {0}, 0, "[Friends]\r\nBob\r\n"}, // nothing checked
        {"Bob\r\n", "[Friends]\r\nBob\r\n", {}, 0, "[Friends]\r\nBob\r\n"},             // all already there
        {"Cy\r\n", "[Friends]\r\nBob\r\n\r\n[#Watchers Allowed]\r\nWat\r\n\r\n[#Watchers Not Allowed]\r\nNot\r\n", {}, 1,
         "[Friends]\r\nCy\r\nBob\r\nWat\r\nNot\r\n"},                                    // watchers moved up
        {"Ann\r\n", "Bob\r\nCy", {}, 1, "[Friends]\r\nAnn\r\nBob\r\nCy\r\n"},           // target without tags
        {"Ann\r\nBea\r\nCy\r\n", "", {1}, 2, "[Friends]\r\nAnn\r\nCy\r\n"},             // unchecked left out
        {"Ann\r\n", "Bob" + std::string(300, '\n'), {}, 1, "[Friends]\r\nAnn\r\nBob\r\n"}, // old file longer
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.written);
        TransferWorld world(c.source, c.target, c.unchecked);
        world.expectQuestionAndDone(c.chosen);
        world.core.BtnTransfer_Click();
        EXPECT_EQ(world.readFriends("Dst"), c.written + kTail);
        EXPECT_EQ(world.readFriends("Dst", "Backup"), c.target);
        EXPECT_EQ(world.core.state.TotalTransfers, 1);
        EXPECT_EQ(world.core.state.TotalNameMoves, c.chosen);
        EXPECT_EQ(world.core.state.Label3Caption, "1");
        EXPECT_EQ(world.core.state.Label5Caption, std::to_string(c.chosen));
        EXPECT_TRUE(world.view.timer1Enabled);
        EXPECT_FALSE(world.core.state.TargetListZoneNames.lastReadFailed)
            << "the target list shows the new file";

        // Run again, every chosen friend is there: the list comes out the same, backed up as it was.
        world.expectQuestionAndDone(0);
        world.core.BtnTransfer_Click();
        EXPECT_EQ(world.readFriends("Dst"), c.written + kTail);
        EXPECT_EQ(world.readFriends("Dst", "Backup"), c.written + kTail);
        EXPECT_EQ(world.core.state.TotalTransfers, 2);
    }
}

// Every way a transfer can end before writing leaves the target file, its backup and the counters alone.
TEST(Transfer, EndingBeforeTheWriteChangesNothing)
{
    const auto inputError = [](const char* text) {
        return MessageBoxRequest{text, "Error", MessageIcon::Information, MessageButtons::Ok};
    };
    const MessageBoxRequest fatal{"Fatal Error: Unnable to open Target File. Stopping Transfer",
                                  "Fatal Error", MessageIcon::Critical, MessageButtons::Ok};
    const MessageBoxRequest unread{
        "The friends list of Dst could not be read completely, so friends cannot be "
        "added to it safely. Nothing was changed.",
        "Error", MessageIcon::Critical, MessageButtons::Ok};
    const auto select = [](int source, int target) {
        return [=](TransferWorld& w) {
            w.core.state.SourceList.selected = source;
            w.core.state.TargetList.selected = target;
        };
    };
    using Boxes = std::vector<std::pair<MessageBoxRequest, MessageResult>>;
    const struct
    {
        std::function<void(TransferWorld&)> setUp;
        Boxes boxes;
        std::string lastLog;
        bool logSaved; // the log is saved only after the input checks
    } cases[] = {
        // clang-format off
        {select(-1, 1), {{inputError("Please Select a source Zone Name Before Pressing Transfer"), MessageResult::Ok}}, "Error : No Source Selected", false},
        {select(0, -1), {{inputError("Please Select a target Zone Name Before Pressing Transfer"), MessageResult::Ok}}, "Error : No Target Selected", false},
        {select(1, 1), {{inputError("The Source Zone Name can't be the same as the Target Zone Name"), MessageResult::Ok}}, "Error: TargetName is Same as Source Name", false},
        {[](TransferWorld&) {}, {{transferQuestion(1), MessageResult::Cancel}}, "User Disagreed. All work done for nothing ;-) Exiting Sub", true},
        {[](TransferWorld& w) { std::filesystem::remove(w.friendsPath("Dst")); }, {{fatal, MessageResult::Ok}}, "Fatal Error: Unnable to open Target File", true},
        {[](TransferWorld& w) { w.core.state.TargetListZoneNames.lastReadFailed = true; }, {{unread, MessageResult::Ok}}, "Transfer Refused: Target Friends List could not be read", true},
        {[](TransferWorld& w) { w.core.state.TotalNameMoves = 32767; }, {{transferQuestion(1), MessageResult::Ok}, {procErrorBox(6, "Overflow"), MessageResult::Ok}}, "Ooops this is bad : Error Nr : 6 in Quorrin\rOverflow", true},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lastLog);
        TransferWorld world("Ann\r\n", "Bob\r\n");
        c.setUp(world);
        const bool targetThere = world.dir.exists("Favorites/Dst/Friends.txt");
        for (const auto& [box, answer] : c.boxes)
            world.dialogs.expectMessage(box, answer);
        world.core.BtnTransfer_Click();
        EXPECT_EQ(world.core.state.DebugList.entries().back(), c.lastLog);
        EXPECT_EQ(world.dir.exists("Favorites/Dst/Friends.txt"), targetThere) << "nothing created";
        EXPECT_EQ(world.readFriends("Dst"), targetThere ? "Bob\r\n" : "");
        EXPECT_FALSE(world.dir.exists("Favorites/Dst/Friends.txtBackup"));
        EXPECT_EQ(world.dir.exists("work/Debuglog.txt"), c.logSaved);
        EXPECT_EQ(world.core.state.TotalTransfers, 0);
        EXPECT_TRUE(world.view.timer1Enabled);
    }
}

// Whichever write of a transfer fails (the log's, the backup's, the target's), the user keeps every friend of
// the target, as the target or as its backup, sees the error, and the next transfer works.
TEST(Transfer, EveryFailingWriteIsReportedAndKeepsEveryFriend)
{
    const std::string source = fileBytes(friendsLines("New", 30));
    const std::string target = fileBytes(friendsLines("Old", 30));
    std::size_t operations = 0;
    std::size_t beforeQuestion = 0;
    std::string written;
    {
        TransferWorld world(source, target);
        world.dialogs.onMessage = [&](const MessageBoxRequest&) {
            beforeQuestion = world.files.writeOperations;
            world.dialogs.onMessage = nullptr;
        };
        world.expectQuestionAndDone(30);
        world.core.BtnTransfer_Click();
        operations = world.files.writeOperations;
        written = world.readFriends("Dst");
    }
    forEachWriteFault(operations, [&](WriteFault fault) {
        TransferWorld world(source, target);
        world.files.fault = fault;
        world.transferAnsweringOk();

        const int error = static_cast<int>(world.files.raised.value_or(ErrorNumber::DeviceIoError));
        std::vector<MessageBoxRequest> boxes{procErrorBox(error, std::string(errorDescription(error)))};
        if (fault.at > beforeQuestion)
            boxes.insert(boxes.begin(), transferQuestion(30));
        EXPECT_EQ(world.dialogs.shown, boxes);
        EXPECT_TRUE(world.keepsTheOldList(target));
        EXPECT_EQ(world.core.state.TotalTransfers, fault.at > beforeQuestion ? 1 : 0)
            << "steps done stay done";
        EXPECT_TRUE(world.view.timer1Enabled);

        world.files.fault.reset();
        world.expectTheNextTransferToWrite(30, written);
    });
}

// The written list holds the [Friends] tag, the chosen entries, the target's "Bob" and four closing lines.
TEST(Transfer, WritesAtMost32767Lines)
{
    const struct
    {
        int chosen;
        std::vector<MessageBoxRequest> boxes;
        int moves;
        std::size_t linesWritten; // 0: the target is left as it was
    } cases[] = {
        {32761, {transferQuestion(32761), kTransferDone}, 32761, 32767},
        {32762, {transferQuestion(32762), procErrorBox(6, "Overflow")}, 32762, 0},
        {32767, {procErrorBox(6, "Overflow")}, 0, 0}, // the chosen entries alone overflow: nothing is asked
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        std::string many;
        for (int i = 0; i < c.chosen; ++i)
            many += "F" + std::to_string(i) + "\r\n";
        TransferWorld world(many, "Bob\r\n");
        for (const auto& box : c.boxes)
            world.dialogs.expectMessage(box, MessageResult::Ok);
        world.core.BtnTransfer_Click();
        EXPECT_EQ(world.core.state.TotalNameMoves, c.moves);
        const std::string written = world.readFriends("Dst");
        if (c.linesWritten == 0)
            EXPECT_EQ(written, "Bob\r\n");
        else
            EXPECT_EQ(static_cast<std::size_t>(std::count(written.begin(), written.end(), '\n')),
                      c.linesWritten);
    }
}

TEST(Transfer, WritesLargeListsByteForByte)
{
    // Large enough that the reads, the backup and the write each take many blocks of the file streams; one
    // entry is longer than a block.
    std::string source, target, chosen;
    for (int i = 0; i < 16000; ++i) {
        const std::string line =
            "Fr\xe9" + std::string(i == 1000 ? 100000 : i % 40, 'x') + std::to_string(i) + "\r\n";
        source += line;
        (i % 3 == 0 ? target : chosen) += line;
    }
    TransferWorld world(source, "[Friends]\r\n" + target);
    world.expectQuestionAndDone(10666);
    world.core.BtnTransfer_Click();
    // Compared whole, not printed: a difference would print half a megabyte.
    const std::string written = world.readFriends("Dst");
    EXPECT_TRUE(written == "[Friends]\r\n" + chosen + target + kTail) << written.size() << " bytes written";
    EXPECT_TRUE(world.readFriends("Dst", "Backup") == "[Friends]\r\n" + target);
}

TEST(Transfer, LogsEveryStepOfASuccessfulTransfer)
{
    TransferWorld world("Ann\r\n", "Bob");
    const std::size_t before = world.core.state.DebugList.size();
    world.expectQuestionAndDone(1);
    world.core.BtnTransfer_Click();

    const std::string path = world.friendsPath("Dst");
    // clang-format off
    const std::vector<std::string> expected{
        "Transfer Button Clicked", "Transfer Sub Entered", "Souce_Item_Id = 0", "Source Object: Src",
        "Target_Item_Id = 1", "Target Object: Dst", "Input Looks Fine, Starting to test File Integrity",
        "Trying to open : " + path, "Succes !", "Gonna Add Items to TransferList", "Added [Friends] Tag",
        "Transfer List is Ready to Rock, added : 1 Items", "Everything Looks fine, Asking User For Action",
        "User Pressed Agreed", "Whitespace added", "[#Watchers Allowed] Tag Added", "Whitespace added",
        "[#Watchers Not Allowed] Tag Added", "Backing up Target File", "Succes !", "Opening Target File",
        "Scanning for Friends @ " + path, "Opening Friends List", "Succes !", "Starting to Read Friends List",
        "Found [Friends] Tag", "Found White Space", "Found [#Watchers Allowed] Tag ", "Found White Space",
        "Found [#Watchers Not Allowed] Tag", "Found EOF", "Done Reading", "Found :2 Friends",
        "Closing Friends List", "Mission Completed, Returning to Base"};
    // clang-format on
    EXPECT_EQ(world.logSince(before), expected);
}

} // namespace
} // namespace quorrin::test
