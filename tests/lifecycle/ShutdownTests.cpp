#include "settings/Schema.h"
#include "shell/Contacts.h"
#include "support/CoreWorld.h"
#include "Version.h"

#include <gtest/gtest.h>

namespace quorrin::test {
namespace {

const std::string kSettings(schema::kSettingsKey);
const std::string kInfo(schema::kInfoKey);
const std::string kZoneNames(schema::kZoneNamesKey);

TEST(Shutdown, SavesEverythingInOrderAndEndsWithTheCleanExitFlag)
{
    CoreWorld world;
    world.core.state.SourceList.items = {"Ann", "Bob", "Cy"};
    world.registry.putText(RegRoot::CurrentUser, kZoneNames, "Name3", "Old");
    world.core.state.TotalTransfers = 4;
    world.core.state.TotalNameMoves = 17;
    world.view.geometry = {1500, 300, 9000, 7000};

    world.core.Form_QueryUnload();

    const std::string hkcu = "HKEY_CURRENT_USER\\";
    const std::vector<std::string> writes{
        hkcu + kSettings + "\\Path",       hkcu + kZoneNames + "\\Name0",
        hkcu + kZoneNames + "\\Name1",     hkcu + kZoneNames + "\\Name2",
        hkcu + kSettings + "\\Mode",       hkcu + kInfo + "\\TotalTransfers",
        hkcu + kInfo + "\\TotalNameMoves", hkcu + kSettings + "\\MainTop",
        hkcu + kSettings + "\\MainLeft",   hkcu + kSettings + "\\MainWidth",
        hkcu + kSettings + "\\MainHeight", hkcu + kInfo + "\\Version",
        hkcu + kSettings + "\\CleanExit"};
    EXPECT_EQ(world.registry.writes(), writes);
    EXPECT_EQ(world.registry.text(RegRoot::CurrentUser, kZoneNames, "Name2"), "Cy");
    EXPECT_EQ(world.registry.text(RegRoot::CurrentUser, kZoneNames, "Name3"), "Old");
    EXPECT_EQ(world.registry.text(RegRoot::CurrentUser, kSettings, "MainTop"), "300");
    EXPECT_EQ(world.registry.text(RegRoot::CurrentUser, kInfo, "TotalNameMoves"), "17");
    EXPECT_EQ(world.registry.text(RegRoot::CurrentUser, kSettings, "CleanExit"), "True");
    EXPECT_EQ(world.logSince(0),
              (std::vector<std::string>{"User Queried Unload", "Added 3 ZoneNames to registry",
                                        "Saving user's Preferences", "Normal Mode is Prefered By User",
                                        "4 Records Written To DebugLog.txt", "Normal Program Exit",
                                        "Setting 'Clean Exit Flag' in Registry"}));
    EXPECT_EQ(world.debugLog(), "User Queried Unload\r\nAdded 3 ZoneNames to registry\r\nSaving user's "
                                "Preferences\r\nNormal Mode is Prefered By User\r\n4 Records Written To "
                                "DebugLog.txt\r\nNormal Program Exit\r\n");
}

TEST(Shutdown, DeveloperModeAndAnEmptyListAreSaved)
{
    CoreWorld world;
    world.core.state.mnuNormalChecked = false;
    world.core.state.mnuDeveloperChecked = true;
    world.core.Form_QueryUnload();
    EXPECT_EQ(world.registry.text(RegRoot::CurrentUser, kSettings, "Mode"), "Developer");
    EXPECT_EQ(world.logSince(0).at(1), "Added 0 ZoneNames to registry");
    EXPECT_EQ(world.logSince(0).at(3), "Developer Mode is Prefered By User");
}

TEST(Shutdown, FailedFinalWriteIsReportedAndLeavesTheRunMarkedUnclean)
{
    CoreWorld world;
    world.registry.putText(RegRoot::CurrentUser, kSettings, "CleanExit", "False");
    world.files.fail = FailingFileSystem::Fail::ReplaceFile;
    world.dialogs.expectMessage(
        {"Error Nr. 70 in Quorrin\rPermission denied\r\rPlease Send Debuglog.txt to " +
             std::string(contacts::maintainerMail) + "\r\r",
         "OOoops", MessageIcon::Critical, MessageButtons::Ok});
    world.core.Form_QueryUnload();
    EXPECT_EQ(world.registry.text(RegRoot::CurrentUser, kSettings, "CleanExit"), "False");
    EXPECT_EQ(world.registry.text(RegRoot::CurrentUser, kInfo, "Version"), version::text);
}

} // namespace
} // namespace quorrin::test
