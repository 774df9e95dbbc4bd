#include "base/Contacts.h"
#include "base/Version.h"
#include "settings/Schema.h"
#include "support/CoreWorld.h"
#include "support/ExpectedBoxes.h"

#include <gtest/gtest.h>

namespace quorrin::test {
namespace {

const std::string kSettings(schema::kSettingsKey);
const std::string kInfo(schema::kInfoKey);
const std::string kZoneNames(schema::kZoneNamesKey);

TEST(Shutdown, SavesEverythingInOrderAndEndsWithTheCleanExitFlag)
{
    CoreWorld world;
    // A CR inside an entry and 8-bit bytes go to the file as they are.
    world.core.state.DebugList.add("Ooops\rline \x80\xff");
    world.core.state.SourceList.items = {"Ann", "Bob", "Cy"};
    world.registry.putText(RegRoot::CurrentUser, kZoneNames, "Name3", "Old");
    world.core.state.TotalTransfers = 4;
    world.core.state.TotalNameMoves = 17;
    world.view.geometry = {1500, 300, 9000, 7000};

    world.core.Form_QueryUnload();

    std::vector<std::string> writes;
    for (const std::string& value :
         {kSettings + "\\Path", kZoneNames + "\\Name0", kZoneNames + "\\Name1", kZoneNames + "\\Name2",
          kSettings + "\\Mode", kInfo + "\\TotalTransfers", kInfo + "\\TotalNameMoves",
          kSettings + "\\MainTop", kSettings + "\\MainLeft", kSettings + "\\MainWidth",
          kSettings + "\\MainHeight", kInfo + "\\Version", kSettings + "\\CleanExit"})
        writes.push_back("HKEY_CURRENT_USER\\" + value);
    EXPECT_EQ(world.registry.writes(), writes);
    EXPECT_EQ(world.registry.text(RegRoot::CurrentUser, kZoneNames, "Name2"), "Cy");
    EXPECT_EQ(world.registry.text(RegRoot::CurrentUser, kZoneNames, "Name3"), "Old");
    EXPECT_EQ(world.registry.text(RegRoot::CurrentUser, kSettings, "MainTop"), "300");
    EXPECT_EQ(world.registry.text(RegRoot::CurrentUser, kInfo, "TotalNameMoves"), "17");
    EXPECT_EQ(world.registry.text(RegRoot::CurrentUser, kSettings, "CleanExit"), "True");
    EXPECT_EQ(world.registry.openHandles(), 0);
    const std::vector<std::string> log{"Ooops\rline \x80\xff",
                                       "User Queried Unload",
                                       "Added 3 ZoneNames to registry",
                                       "Saving user's Preferences",
                                       "Normal Mode is Prefered By User",
                                       "5 Records Written To DebugLog.txt",
                                       "Normal Program Exit",
                                       "Setting 'Clean Exit Flag' in Registry"};
    EXPECT_EQ(world.logSince(0), log);
    std::string file; // all but the last entry, which is added after the file is closed
    for (std::size_t i = 0; i + 1 < log.size(); ++i)
        file += log[i] + "\r\n";
    EXPECT_EQ(world.debugLog(), file);
}

// The window moves in steps the user can see, so the order of the geometry writes matters (the window test
// sees only where it ends up). The mode chosen last is saved, here with no Zone Names to save.
TEST(Shutdown, TheModeChosenInTheMenuIsSavedAfterTheWindowMovedInItsOwnOrder)
{
    using P = WindowProperty;
    CoreWorld world;
    world.core.menu().mnuDeveloper_Click();
    EXPECT_EQ(world.view.geometryWrites, (std::vector<P>{P::Height, P::Width, P::Top, P::Left}));
    world.view.geometryWrites.clear();
    world.core.menu().mnuNormal_Click();
    EXPECT_EQ(world.view.geometryWrites, (std::vector<P>{P::Height, P::Top, P::Width, P::Left}));
    world.core.menu().mnuDeveloper_Click();
    world.core.Form_QueryUnload();
    EXPECT_EQ(world.registry.text(RegRoot::CurrentUser, kSettings, "Mode"), "Developer");
    const auto log = world.logSince(3); // after the three mode switches
    EXPECT_EQ(log.at(1), "Added 0 ZoneNames to registry");
    EXPECT_EQ(log.at(3), "Developer Mode is Prefered By User");
}

TEST(Shutdown, FailedFinalWriteIsReportedAndLeavesTheRunMarkedUnclean)
{
    CoreWorld world;
    world.registry.putText(RegRoot::CurrentUser, kSettings, "CleanExit", "False");
    world.files.fault = WriteFault{1, ErrorNumber::PermissionDenied};
    world.dialogs.expectMessage(procErrorBox(70, "Permission denied"));
    world.core.Form_QueryUnload();
    EXPECT_EQ(world.registry.text(RegRoot::CurrentUser, kSettings, "CleanExit"), "False");
    EXPECT_EQ(world.registry.text(RegRoot::CurrentUser, kInfo, "Version"), version::text);
}

} // namespace
} // namespace quorrin::test
