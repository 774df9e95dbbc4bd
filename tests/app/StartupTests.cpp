#include "base/Contacts.h"
#include "base/Version.h"
#include "settings/Schema.h"
#include "support/CoreWorld.h"
#include "support/ExpectedBoxes.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace quorrin::test {
namespace {

const std::string kSettings(schema::kSettingsKey);
const std::string kInfo(schema::kInfoKey);
const std::string kPickerTitle =
    "I could not detect your Zone Friends Folder. Please select the Zone Friends Folder  once.";

// A world holding the Zone Names Ann and Bob, by default with a Zone client installed in <temp> (so its
// Favorites is the world's Zone folder) and a store written by a run of this version that ended normally.
struct StartWorld : CoreWorld
{
    explicit StartWorld(bool client = true, bool ranBefore = true)
    {
        core.state.ZonePath.clear();
        writeFriends("Ann", "");
        writeFriends("Bob", "");
        if (client)
            registry.putText(RegRoot::LocalMachine, std::string(schema::kZoneSetupKey), "Path", dir.str());
        if (ranBefore) {
            put(kInfo, "Version", version::text);
            put(kSettings, "CleanExit", "True");
        }
    }
    void put(const std::string& key, const std::string& name, const std::string& text)
    {
        registry.putText(RegRoot::CurrentUser, key, name, text);
    }
    std::optional<std::string> stored(const std::string& key, const std::string& name) const
    {
        return registry.text(RegRoot::CurrentUser, key, name);
    }
    std::vector<std::string> start()
    {
        core.Form_Load();
        return logSince(0);
    }
};

template<typename T>
std::vector<T> firstOf(const std::vector<T>& all, std::size_t count)
{
    return {all.begin(), all.begin() + static_cast<std::ptrdiff_t>(std::min(count, all.size()))};
}

TEST(Startup, FirstStartResetsAndOpensInNormalModeAtTheDefaultPlace)
{
    StartWorld world(true, false);
    const auto log = world.start();

    // clang-format off
    const std::vector<std::string> head{"Querying Registry", "Resetting all values to default", "Starting in Normal Mode",
                                        "TotalTransfers : 0", "Total Name Moves : 0", "Setting Window Coordinates",
                                        "Main Left : 1575", "Main Top : 420", "Width : 8265", "Height : 7725",
                                        "Found Value : " + world.dir.str(), "Registry Query Complete",
                                        "Changing Working Path to : " + world.zone(), "Starting to Search For Zone Names"};
    // clang-format on
    EXPECT_EQ(firstOf(log, head.size()), head);
    EXPECT_EQ(log.size(), head.size() + 2) << "an entry for each of Ann and Bob";
    EXPECT_EQ(world.stored(kInfo, "Version"), version::text);
    EXPECT_EQ(world.stored(kSettings, "CleanExit"), "False");
}

// The Zone client's folder wins over the stored path, which an upgrade keeps.
TEST(Startup, UpgradeResetsModeAndGeometryButKeepsCountersAndPath)
{
    StartWorld world;
    world.put(kInfo, "Version", "1.0.26");
    world.put(kSettings, "Mode", "Developer");
    world.put(kSettings, "MainLeft", "3000");
    world.put(kInfo, "TotalTransfers", "12");
    world.put(kSettings, "Tip", "0");
    world.put(kSettings, "Path", "/elsewhere/Favorites");
    world.put(kSettings, "CleanExit", "False"); // reset first: no crash notice

    const auto log = world.start();

    EXPECT_EQ(firstOf(log, 4),
              (std::vector<std::string>{"Querying Registry", "Resetting all values to default",
                                        "Starting in Normal Mode", "TotalTransfers : 12"}));
    EXPECT_EQ(world.view.geometry[0], 1575);
    EXPECT_EQ(world.stored(kSettings, "MainLeft"), "");
    EXPECT_EQ(world.stored(kSettings, "Tip"), "0");
    EXPECT_EQ(world.stored(kSettings, "Path"), "/elsewhere/Favorites");
    EXPECT_EQ(world.core.state.ZonePath, world.zone());
    EXPECT_FALSE(world.dir.exists("work/Crashed.txt"));
}

TEST(Startup, CrashedRunIsReportedBeforeTheFirstWrite)
{
    StartWorld world;
    world.put(kSettings, "CleanExit", "False");
    world.dir.write("work/Debuglog.txt", "old run\x80\r\n");
    world.dir.write("work/Crashed.txt", "older run\r\n");
    world.dialogs.onMessage = [&](const MessageBoxRequest&) {
        EXPECT_EQ(world.debugLog(), "old run\x80\r\n") << "the notice comes before any new write";
    };
    world.dialogs.expectMessage(crashNoticeBox());

    const auto log = world.start();

    EXPECT_EQ(log.at(1), "Prev. Instance Crashed. Created Crashed.txt");
    EXPECT_EQ(world.dir.read("work/Crashed.txt"), "old run\x80\r\n");
}

TEST(Startup, ModeDeveloperOnlyInExactLetterCase)
{
    for (const auto& [stored, developer] :
         {std::pair{"Developer", true}, {"developer", false}, {"", false}}) {
        StartWorld world;
        world.put(kSettings, "Mode", stored);
        const auto log = world.start();
        EXPECT_EQ(log.at(1), developer ? "Starting in Developer Mode" : "Starting in Normal Mode") << stored;
        EXPECT_EQ(world.core.state.DebugListVisible, developer);
        EXPECT_EQ(world.core.state.mnuDeveloperChecked, developer);
        EXPECT_EQ(world.core.state.mnuNormalChecked, !developer);
    }
}

// Without the client's folder the stored path is the Zone folder, or else the user's pick, which is stored
// and listed at the next start.
TEST(Startup, WithoutTheClientsFolderTheStoredPathOrElseThePickIsTaken)
{
    for (const std::string how : {"stored", "picked", "cancelled"}) {
        SCOPED_TRACE(how);
        StartWorld world(false);
        const std::string zone = world.zone();
        if (how == "stored")
            world.put(kSettings, "Path", zone);
        else
            world.dialogs.expectFolderPick("", kPickerTitle, how == "picked" ? world.dir.str() : "");
        const auto log = world.start();
        EXPECT_EQ(world.core.state.SourceList.items.size(), how == "stored" ? 2u : 0u);
        if (how == "stored") {
            EXPECT_NE(std::ranges::find(log, "Found Value : " + zone), log.end());
        } else if (how == "picked") {
            EXPECT_EQ(std::vector<std::string>(log.end() - 3, log.end()),
                      (std::vector<std::string>{"Asking User to Point out Dir", "User pointed Dir : " + zone,
                                                "Adding Key to registry"}));
        } else {
            EXPECT_EQ(log.back(), "Asking User to Point out Dir");
            EXPECT_EQ(world.view.pointerHistory, std::vector<bool>{false});
        }
        EXPECT_EQ(world.stored(kSettings, "Path"), how == "cancelled" ? std::nullopt : std::optional(zone));
    }
}

// Stored window values and counters take their leading number. One beyond its range (single precision for the
// window, 16 bits for a counter) ends the sequence through procError where it stands: the counters are read
// before the run is marked unclean.
TEST(Startup, StoredNumbersTakeTheirLeadingNumberAndOverflowEndsTheSequence)
{
    const std::string fits(38, '9'), huge(40, '9');
    StartWorld world;
    world.put(kSettings, "MainLeft", " 2000.4px");
    world.put(kSettings, "MainTop", "-" + fits);
    world.put(kSettings, "MainWidth", "wide");
    world.put(kSettings, "MainHeight", fits);
    const auto log = world.start();
    EXPECT_EQ(log.at(5), "Main Left : 2000.4");
    EXPECT_EQ(log.at(7), "Width : 0");
    EXPECT_EQ(world.view.geometry[1], -static_cast<float>(std::stod(fits)));
    EXPECT_EQ(world.view.geometry[3], static_cast<float>(std::stod(fits)));

    const struct
    {
        const std::string& key;
        const char* name;
        std::string stored;
        const char* cleanExit;
    } overflows[] = {{kSettings, "MainLeft", huge, "False"}, // the four window values are read alike
                     {kSettings, "MainHeight", "-" + huge, "False"},
                     {kInfo, "TotalTransfers", "40000", "True"}};
    for (const auto& c : overflows) {
        SCOPED_TRACE(c.name);
        StartWorld overflowing;
        overflowing.put(c.key, c.name, c.stored);
        overflowing.dialogs.expectMessage(procErrorBox(6, "Overflow"));
        EXPECT_EQ(overflowing.start().back(), "Ooops this is bad : Error Nr : 6 in Quorrin\rOverflow");
        EXPECT_EQ(overflowing.stored(kSettings, "CleanExit"), c.cleanExit);
        EXPECT_TRUE(overflowing.core.state.SourceList.items.empty());
    }
}

} // namespace
} // namespace quorrin::test
