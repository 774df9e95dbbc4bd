#include "shell/Contacts.h"
#include "support/CoreWorld.h"

#include <gtest/gtest.h>
#include <set>

namespace quorrin::test {
namespace {

const MessageBoxRequest kDone{"Transfer Complete. FriendsList Updated", "Done", MessageIcon::Information,
                              MessageButtons::Ok};

MessageBoxRequest question(int count, const std::string& target)
{
    return {"Are you sure you want to add " + std::to_string(count) +
                " Items (Duplicated items are filtered out) to " + target + "'s Zone Friends List ? ",
            "Question", MessageIcon::None, MessageButtons::OkCancel};
}

MessageBoxRequest procErrorBox(int number, const std::string& description)
{
    return {"Error Nr. " + std::to_string(number) + " in Quorrin\r" + description +
                "\r\rPlease Send Debuglog.txt to " + std::string(contacts::maintainerMail) + "\r\r",
            "OOoops", MessageIcon::Critical, MessageButtons::Ok};
}

// Source "Src" and target "Dst" picked, with these friends files; `unchecked` source entries cleared.
struct TransferWorld : CoreWorld
{
    TransferWorld(const std::string& source, const std::string& target, std::set<std::size_t> unchecked = {})
    {
        writeFriends("Src", source);
        writeFriends("Dst", target);
        core.state.SourceList.items = core.state.TargetList.items = {"Src", "Dst"};
        core.SourceList_Click(0);
        core.TargetList_Click(1);
        for (auto i : unchecked)
            core.state.SourceListZoneNames.checked.at(i) = false;
    }
};

constexpr const char* kTail = "\r\n[#Watchers Allowed]\r\n\r\n[#Watchers Not Allowed]\r\n";

struct MergeCase
{
    const char* name;
    std::string source;
    std::string target;
    std::set<std::size_t> unchecked;
    int chosen;
    std::string written; // without the three closing lines
};

void PrintTo(const MergeCase& c, std::ostream* out)
{
    *out << c.name;
}

class TransferMerge : public testing::TestWithParam<MergeCase>
{};

TEST_P(TransferMerge, WritesChosenEntriesFirstThenTargetsOwnUnderFriends)
{
    const MergeCase& c = GetParam();
    TransferWorld world(c.source, c.target, c.unchecked);
    world.dialogs.expectMessage(question(c.chosen, "Dst"), MessageResult::Ok);
    world.dialogs.expectMessage(kDone);

    world.core.BtnTransfer_Click();

    EXPECT_EQ(world.readFriends("Dst"), c.written + kTail);
    EXPECT_EQ(world.readFriends("Dst", "Backup"), c.target);
    EXPECT_EQ(world.core.state.TotalTransfers, 1);
    EXPECT_EQ(world.core.state.TotalNameMoves, c.chosen);
    EXPECT_EQ(world.core.state.Label3Caption, "1");
    EXPECT_EQ(world.core.state.Label5Caption, std::to_string(c.chosen));
    EXPECT_TRUE(world.view.timer1Enabled);
    // The target's list shows the file just written.
    EXPECT_FALSE(world.core.state.TargetListZoneNames.lastReadFailed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TransferMerge,
    testing::Values(
        MergeCase{
            "NothingChecked", "[Friends]\r\nAnn\r\n", "[Friends]\r\nBob\r\n", {0}, 0, "[Friends]\r\nBob\r\n"},
        MergeCase{"AllAlreadyThere", "Bob\r\n", "[Friends]\r\nBob\r\n", {}, 0, "[Friends]\r\nBob\r\n"},
        MergeCase{"OtherLetterCaseIsAnotherName", "bob\r\n", "Bob\r\n", {}, 1, "[Friends]\r\nbob\r\nBob\r\n"},
        MergeCase{"DoubledSourceNameAddedTwice",
                  "Ann\r\nAnn\r\n",
                  "Bob",
                  {},
                  2,
                  "[Friends]\r\nAnn\r\nAnn\r\nBob\r\n"},
        MergeCase{
            "WatchersMovedUnderFriends",
            "Cy\r\n",
            "[Friends]\r\nBob\r\n\r\n[#Watchers Allowed]\r\nWat\r\n\r\n[#Watchers Not Allowed]\r\nNot\r\n",
            {},
            1,
            "[Friends]\r\nCy\r\nBob\r\nWat\r\nNot\r\n"},
        MergeCase{"TargetWithoutTagsGetsAllThree",
                  "Ann\r\n",
                  "Bob\r\nCy",
                  {},
                  1,
                  "[Friends]\r\nAnn\r\nBob\r\nCy\r\n"},
        MergeCase{"UncheckedLeftOut", "Ann\r\nBea\r\nCy\r\n", "", {1}, 2, "[Friends]\r\nAnn\r\nCy\r\n"},
        MergeCase{"EightBitBytesKept",
                  "J\xfcrgen\x80\r\n",
                  "Fran\xe7oise\r\n",
                  {},
                  1,
                  "[Friends]\r\nJ\xfcrgen\x80\r\nFran\xe7oise\r\n"}),
    [](const auto& testInfo) { return testInfo.param.name; });

TEST(Transfer, InputErrorsShowTheirBoxAndTouchNothing)
{
    struct Case
    {
        int source, target;
        const char* text;
        const char* logLine;
    };
    for (const Case& c : {Case{-1, 1, "Please Select a source Zone Name Before Pressing Transfer",
                               "Error : No Source Selected"},
                          Case{0, -1, "Please Select a target Zone Name Before Pressing Transfer",
                               "Error : No Target Selected"},
                          Case{1, 1, "The Source Zone Name can't be the same as the Target Zone Name",
                               "Error: TargetName is Same as Source Name"}}) {
        TransferWorld world("Ann\r\n", "Bob\r\n");
        world.core.state.SourceList.selected = c.source;
        world.core.state.TargetList.selected = c.target;
        world.dialogs.expectMessage({c.text, "Error", MessageIcon::Information, MessageButtons::Ok});
        world.core.BtnTransfer_Click();
        EXPECT_EQ(world.core.state.DebugList.entries().back(), c.logLine);
        EXPECT_FALSE(world.dir.exists("Favorites/Dst/Friends.txtBackup"));
        EXPECT_FALSE(world.dir.exists("work/Debuglog.txt")) << "the log is saved only after the input checks";
        EXPECT_TRUE(world.view.timer1Enabled);
    }
}

TEST(Transfer, CancelLeavesFileBackupAndCountersAlone)
{
    TransferWorld world("Ann\r\n", "Bob\r\n");
    world.dialogs.expectMessage(question(1, "Dst"), MessageResult::Cancel);
    world.core.BtnTransfer_Click();
    EXPECT_EQ(world.readFriends("Dst"), "Bob\r\n");
    EXPECT_FALSE(world.dir.exists("Favorites/Dst/Friends.txtBackup"));
    EXPECT_EQ(world.core.state.TotalTransfers, 0);
    EXPECT_EQ(world.core.state.DebugList.entries().back(),
              "User Disagreed. All work done for nothing ;-) Exiting Sub");
}

TEST(Transfer, MissingTargetFileIsFatalAndCreatesNothing)
{
    TransferWorld world("Ann\r\n", "");
    std::filesystem::remove(world.friendsPath("Dst"));
    world.dialogs.expectMessage({"Fatal Error: Unnable to open Target File. Stopping Transfer", "Fatal Error",
                                 MessageIcon::Critical, MessageButtons::Ok});
    world.core.BtnTransfer_Click();
    EXPECT_FALSE(world.dir.exists("Favorites/Dst/Friends.txt"));
    EXPECT_FALSE(world.dir.exists("Favorites/Dst/Friends.txtBackup"));
    EXPECT_EQ(world.core.state.TotalTransfers, 0);
}

TEST(Transfer, RefusesATargetListThatCouldNotBeRead)
{
    TransferWorld world("Ann\r\n", "Bob\r\n");
    world.core.state.TargetListZoneNames.lastReadFailed = true;
    world.dialogs.expectMessage({"The friends list of Dst could not be read completely, so friends cannot be "
                                 "added to it safely. Nothing was changed.",
                                 "Error", MessageIcon::Critical, MessageButtons::Ok});
    world.core.BtnTransfer_Click();
    EXPECT_EQ(world.readFriends("Dst"), "Bob\r\n");
    EXPECT_EQ(world.core.state.TotalTransfers, 0);
}

TEST(Transfer, SecondTransferBacksUpTheFirstResult)
{
    TransferWorld world("Ann\r\nCy\r\n", "Bob\r\n", {1});
    world.dialogs.expectMessage(question(1, "Dst"), MessageResult::Ok);
    world.dialogs.expectMessage(kDone);
    world.core.BtnTransfer_Click();
    const std::string first = world.readFriends("Dst");

    world.core.state.SourceListZoneNames.checked.at(1) = true;
    world.dialogs.expectMessage(question(1, "Dst"), MessageResult::Ok);
    world.dialogs.expectMessage(kDone);
    world.core.BtnTransfer_Click();

    EXPECT_EQ(world.readFriends("Dst", "Backup"), first);
    EXPECT_EQ(world.readFriends("Dst"), std::string("[Friends]\r\nCy\r\nAnn\r\nBob\r\n") + kTail);
    EXPECT_EQ(world.core.state.TotalTransfers, 2);
    EXPECT_EQ(world.core.state.TotalNameMoves, 2);
}

TEST(Transfer, CounterOverflowIsReportedAndWritesNothing)
{
    TransferWorld world("Ann\r\n", "Bob\r\n");
    world.core.state.TotalNameMoves = 32767;
    world.dialogs.expectMessage(question(1, "Dst"), MessageResult::Ok);
    world.dialogs.expectMessage(procErrorBox(6, "Overflow"));
    world.core.BtnTransfer_Click();
    EXPECT_EQ(world.core.state.TotalTransfers, 0);
    EXPECT_EQ(world.readFriends("Dst"), "Bob\r\n");
    EXPECT_TRUE(world.view.timer1Enabled);
}

TEST(Transfer, WriteFailureAfterTheBackupKeepsTheBackupWhole)
{
    const std::string target = "[Friends]\r\nBob\r\nCy\r\n";
    TransferWorld world("Ann\r\n", target);
    world.files.fail = FailingFileSystem::Fail::Writing;
    world.files.bytesBeforeFailure = 12;
    world.dialogs.expectMessage(question(1, "Dst"), MessageResult::Ok);
    world.dialogs.expectMessage(procErrorBox(57, "Device I/O error"));
    world.core.BtnTransfer_Click();
    EXPECT_EQ(world.readFriends("Dst", "Backup"), target);
    EXPECT_EQ(world.readFriends("Dst"), "[Friends]\r\nA") << "the lines written so far stay";
    EXPECT_EQ(world.core.state.TotalTransfers, 1) << "steps already done stay done";
}

TEST(Transfer, TooManyLinesFailAtTheListOperation)
{
    std::string many;
    for (int i = 0; i < 32766; ++i)
        many += "F" + std::to_string(i) + "\r\n";
    TransferWorld world(many, "Bob\r\n");
    world.dialogs.expectMessage(question(32766, "Dst"), MessageResult::Ok);
    world.dialogs.expectMessage(procErrorBox(6, "Overflow"));
    world.core.BtnTransfer_Click();
    EXPECT_EQ(world.core.state.TotalNameMoves, 32766);
    EXPECT_EQ(world.readFriends("Dst"), "Bob\r\n");
}

TEST(Transfer, LogsEveryStepOfASuccessfulTransfer)
{
    TransferWorld world("Ann\r\n", "Bob");
    const std::size_t before = world.core.state.DebugList.size();
    world.dialogs.expectMessage(question(1, "Dst"), MessageResult::Ok);
    world.dialogs.expectMessage(kDone);
    world.core.BtnTransfer_Click();

    const std::string path = world.friendsPath("Dst");
    const std::vector<std::string> expected{"Transfer Button Clicked",
                                            "Transfer Sub Entered",
                                            "Souce_Item_Id = 0",
                                            "Source Object: Src",
                                            "Target_Item_Id = 1",
                                            "Target Object: Dst",
                                            "Input Looks Fine, Starting to test File Integrity",
                                            "Trying to open : " + path,
                                            "Succes !",
                                            "Gonna Add Items to TransferList",
                                            "Added [Friends] Tag",
                                            "Transfer List is Ready to Rock, added : 1 Items",
                                            "Everything Looks fine, Asking User For Action",
                                            "User Pressed Agreed",
                                            "Whitespace added",
                                            "[#Watchers Allowed] Tag Added",
                                            "Whitespace added",
                                            "[#Watchers Not Allowed] Tag Added",
                                            "Backing up Target File",
                                            "Succes !",
                                            "Opening Target File",
                                            "Scanning for Friends @ " + path,
                                            "Opening Friends List",
                                            "Succes !",
                                            "Starting to Read Friends List",
                                            "Found [Friends] Tag",
                                            "Found White Space",
                                            "Found [#Watchers Allowed] Tag ",
                                            "Found White Space",
                                            "Found [#Watchers Not Allowed] Tag",
                                            "Found EOF",
                                            "Done Reading",
                                            "Found :2 Friends",
                                            "Closing Friends List",
                                            "Mission Completed, Returning to Base"};
    EXPECT_EQ(world.logSince(before), expected);
    EXPECT_EQ(world.core.state.TransferList,
              (std::vector<std::string>{"[Friends]", "Ann", "Bob", "", "[#Watchers Allowed]", "",
                                        "[#Watchers Not Allowed]"}));
}

} // namespace
} // namespace quorrin::test
