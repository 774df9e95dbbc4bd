#include "app/ErrorReporter.h"
#include "app/MainState.h"
#include "app/ZoneNameDiscovery.h"
#include "platform/FileSearch.h"
#include "support/FakeDialogs.h"
#include "support/FakeMainView.h"
#include "support/TempDir.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <windows.h>

namespace quorrin {
namespace {

TEST(Win32ZoneNameListing, listsFoldersOfEveryAttributeOneLevelDeep)
{
    test::TempDir zone;
    for (const char* file : {"Ace/Friends.txt", "Bee/Inner/Friends.txt", "Hidden/x", "plain.txt"})
        zone.write(file, "");
    ASSERT_TRUE(::SetFileAttributesA((zone.str() + "\\Hidden").c_str(),
                                     FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));

    using Names = std::vector<std::string>;
    const std::pair<std::string, Names> scans[] = {{zone.str(), {"Ace", "Bee", "Hidden"}},
                                                   {zone.str() + "\\", {"Ace", "Bee", "Hidden"}},
                                                   {zone.str() + "\\gone", {}}};
    for (const auto& [folder, expected] : scans) {
        MainState state;
        test::FakeMainView view;
        test::FakeDialogs dialogs;
        ErrorReporter errors(ErrorReporter::Window::Main, state.DebugList, dialogs, view);
        ZoneNameDiscovery(state, view, *createFileSearch(), errors).FindFilesAPI(folder);
        Names names = state.SourceList.items;
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, expected) << folder;
        EXPECT_EQ(state.TargetList.items, state.SourceList.items);
    }
}

} // namespace
} // namespace quorrin
