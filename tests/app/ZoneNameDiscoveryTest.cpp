#include "app/ZoneNameDiscovery.h"

#include "app/ErrorReporter.h"
#include "app/MainState.h"
#include "base/Contacts.h"
#include "base/Paths.h"
#include "base/RuntimeError.h"
#include "platform/FileSearch.h"
#include "support/ExpectedBoxes.h"
#include "support/FakeDialogs.h"
#include "support/FakeMainView.h"
#include "support/TempDir.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>

namespace quorrin {
namespace {

using Lines = std::vector<std::string>;

struct World
{
    // Scans `folder`; returns the names listed (the platform's order is not fixed), sorted.
    Lines scan(const std::string& folder)
    {
        ZoneNameDiscovery(state, view, *search, errors).FindFilesAPI(folder);
        EXPECT_EQ(state.TargetList.items, state.SourceList.items);
        Lines sorted = state.SourceList.items;
        std::sort(sorted.begin(), sorted.end());
        return sorted;
    }

    test::TempDir zone;
    MainState state;
    test::FakeMainView view;
    test::FakeDialogs dialogs;
    ErrorReporter errors{ErrorReporter::Window::Main, state.DebugList, dialogs, view};
    std::unique_ptr<FileSearch> search = createFileSearch();
};

TEST(ZoneNameDiscovery, listsEveryFolderOneLevelDeep)
{
    for (const std::string& tail : {std::string(), std::string(1, kPathSeparator)}) {
        World w;
        for (const char* file : {"Ace/Friends.txt", "Bee/Inner/Friends.txt", ".hidden/x", "plain.txt"})
            w.zone.write(file, "");
        // Its attributes cannot be read: the failure value has the directory bit set.
        std::filesystem::create_symlink(w.zone.path() / "nowhere", w.zone.path() / "Lost");
        EXPECT_EQ(w.scan(w.zone.str() + tail), (Lines{".hidden", "Ace", "Bee", "Lost"}));
        Lines log{"Starting to Search For Zone Names"};
        for (const auto& name : w.state.SourceList.items)
            log.push_back("Added Item: " + name);
        EXPECT_EQ(w.state.DebugList.entries(), log);
    }
    World missing;
    EXPECT_EQ(missing.scan(missing.zone.str() + "/gone"), Lines{});
    EXPECT_EQ(missing.state.DebugList.entries(), Lines{"Starting to Search For Zone Names"});
}

TEST(ZoneNameDiscovery, aFailingStepIsReportedAndTheScanGoesOn)
{
    World w;
    for (const char* folder : {"Ace/x", "Bee/x", "Cat/x"})
        w.zone.write(folder, "");
    w.state.DebugList.setAppendListener([&](std::size_t index) {
        if (w.state.DebugList.at(index) == "Added Item: Bee")
            throw RuntimeError(ErrorNumber::PermissionDenied);
    });
    w.dialogs.expectMessage(test::procErrorBox(70, "Permission denied"));
    EXPECT_EQ(w.scan(w.zone.str()), (Lines{"Ace", "Bee", "Cat"}));
    EXPECT_EQ(w.view.pointerHistory, std::vector<bool>{false});
    const auto& log = w.state.DebugList.entries();
    ASSERT_EQ(log.size(), 5u);
    const auto failed = std::find(log.begin(), log.end(), "Added Item: Bee");
    ASSERT_LT(failed + 1, log.end());
    EXPECT_EQ(failed[1], "Ooops this is bad : Error Nr : 70 in Quorrin\rPermission denied");
}

// Finds one folder, "Ace", then fails every fetch of the next entry. After a few fetches it gives up, so a
// listing that does not stop by itself still ends (and fails the test) instead of hanging.
struct FailingNextSearch final : FileSearch
{
    SearchHandle findFirst(const std::string&, FindData& data) override
    {
        std::snprintf(data.cFileName, sizeof data.cFileName, "Ace");
        return 1;
    }
    bool findNext(SearchHandle, FindData&) override
    {
        if (++fetches > 3)
            return false;
        throw RuntimeError(ErrorNumber::DeviceIoError);
    }
    void findClose(SearchHandle) override { ++closes; }
    std::uint32_t getFileAttributes(const std::string&) override { return kFileAttributeDirectory; }

    int fetches = 0;
    int closes = 0;
};

TEST(ZoneNameDiscovery, aNextEntryThatKeepsFailingEndsTheListingWithWhatItHas)
{
    World w;
    auto failing = std::make_unique<FailingNextSearch>();
    const FailingNextSearch& search = *failing;
    w.search = std::move(failing);
    w.dialogs.expectMessage(test::procErrorBox(57, "Device I/O error"));
    EXPECT_EQ(w.scan(w.zone.str()), Lines{"Ace"});
    EXPECT_EQ(w.state.DebugList.entries(),
              (Lines{"Starting to Search For Zone Names", "Added Item: Ace",
                     "Ooops this is bad : Error Nr : 57 in Quorrin\rDevice I/O error"}));
    EXPECT_EQ(search.closes, 1);
}

} // namespace
} // namespace quorrin
