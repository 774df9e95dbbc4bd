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
const std::string kPickerTitle =
    "I could not detect your Zone Friends Folder. Please select the Zone Friends Folder  once.";

// A world whose Zone client is installed in <temp> (so its Favorites is the world's Zone folder), holding the
// Zone Names Ann and Bob, and whose store has been written by a run of this version that ended normally.
struct StartWorld : CoreWorld
{
    StartWorld()
    {
        core.state.ZonePath.clear();
        writeFriends("Ann", "");
        writeFriends("Bob", "");
        registry.putText(RegRoot::LocalMachine, std::string(schema::kZoneSetupKey), "Path", dir.str());
        put(kInfo, "Version", version::text);
        put(kSettings, "CleanExit", "True");
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
    StartWorld world;
    world.registry = MemoryRegistryBackend();
    world.registry.putText(RegRoot::LocalMachine, std::string(schema::kZoneSetupKey), "Path",
                           world.dir.str());

    const auto log = world.start();

    // clang-format off
    const std::vector<std::string> head{"Querying Registry", "Resetting all values to default", "Starting in Normal Mode",
                                        "TotalTransfers : 0", "Total Name Moves : 0", "Setting Window Coordinates",
                                        "Main Left : 1575", "Main Top : 420", "Width : 8265", "Height : 7725"};
    // clang-format on
    EXPECT_EQ(firstOf(log, head.size()), head);
    EXPECT_EQ(world.stored(kInfo, "Version"), version::text);
    EXPECT_EQ(world.stored(kSettings, "CleanExit"), "False");
    EXPECT_EQ(world.stored(kSettings, "Mode"), "");
    EXPECT_FALSE(world.core.state.DebugListVisible);
    EXPECT_EQ(world.core.state.SourceList.items.size(), 2u);
    EXPECT_EQ(world.core.state.TargetList.items, world.core.state.SourceList.items);
    // The reset writes exactly these, in this order, before anything else is written.
    std::vector<std::string> resetWrites;
    for (const char* value :
         {"Settings\\Mode", "Settings\\MainTop", "Settings\\MainLeft", "Settings\\MainWidth",
          "Settings\\MainHeight", "Info\\Version", "Settings\\CleanExit"})
        resetWrites.push_back(std::string("HKEY_CURRENT_USER\\Software\\Quorrin\\") + value);
    EXPECT_EQ(firstOf(world.registry.writes(), 7), resetWrites);
}

TEST(Startup, UpgradeResetsModeAndGeometryButKeepsCountersAndPath)
{
    StartWorld world;
    world.put(kInfo, "Version", "1.0.26");
    world.put(kSettings, "Mode", "Developer");
    world.put(kSettings, "MainLeft", "3000");
    world.put(kInfo, "TotalTransfers", "12");
    world.put(kSettings, "Tip", "0");
    world.put(kSettings, "CleanExit", "False"); // reset first: no crash notice

    const auto log = world.start();

    EXPECT_EQ(log.at(1), "Resetting all values to default");
    EXPECT_EQ(log.at(2), "Starting in Normal Mode");
    EXPECT_EQ(log.at(3), "TotalTransfers : 12");
    EXPECT_EQ(world.view.geometry[0], 1575);
    EXPECT_EQ(world.stored(kSettings, "Tip"), "0");
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
    world.dialogs.expectMessage(test::crashNoticeBox());

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

TEST(Startup, ZoneFolderComesFromTheClientThenTheStoredPath)
{
    StartWorld world;
    world.put(kSettings, "Path", "/elsewhere/Favorites");
    auto log = world.start();
    EXPECT_EQ(world.core.state.ZonePath, world.zone());
    EXPECT_EQ(std::vector<std::string>(log.end() - 6, log.end() - 2),
              (std::vector<std::string>{"Found Value : " + world.dir.str(), "Registry Query Complete",
                                        "Changing Working Path to : " + world.zone(),
                                        "Starting to Search For Zone Names"}));

    StartWorld storedOnly;
    storedOnly.registry = MemoryRegistryBackend();
    storedOnly.put(kInfo, "Version", version::text);
    storedOnly.put(kSettings, "Path", storedOnly.zone());
    log = storedOnly.start();
    EXPECT_EQ(storedOnly.core.state.ZonePath, storedOnly.zone());
    EXPECT_NE(std::find(log.begin(), log.end(), "Found Value : " + storedOnly.zone()), log.end());
    EXPECT_EQ(storedOnly.core.state.SourceList.items.size(), 2u);
}

TEST(Startup, WithoutAnyPathTheUserIsAskedOnce)
{
    StartWorld world;
    world.registry = MemoryRegistryBackend();
    world.put(kInfo, "Version", version::text);
    world.dialogs.expectFolderPick("", kPickerTitle, world.dir.str());
    auto log = world.start();
    const std::vector<std::string> tail{"Asking User to Point out Dir", "User pointed Dir : " + world.zone(),
                                        "Adding Key to registry"};
    EXPECT_EQ(std::vector<std::string>(log.end() - 3, log.end()), tail);
    EXPECT_EQ(world.stored(kSettings, "Path"), world.zone());
    EXPECT_TRUE(world.core.state.SourceList.items.empty()) << "the names are listed at the next start";

    StartWorld cancelled;
    cancelled.registry = MemoryRegistryBackend();
    cancelled.dialogs.expectFolderPick("", kPickerTitle, "");
    log = cancelled.start();
    EXPECT_EQ(log.back(), "Asking User to Point out Dir");
    EXPECT_FALSE(cancelled.stored(kSettings, "Path").has_value());
    EXPECT_EQ(cancelled.view.pointerHistory, std::vector<bool>{false});
}

TEST(Startup, WindowValuesTakeTheirLeadingNumber)
{
    StartWorld world;
    world.put(kSettings, "MainWidth", "wide");
    world.put(kSettings, "MainLeft", " 2000.4px");
    world.view.geometry = {0, 0, 0, 0};
    const auto log = world.start();
    EXPECT_EQ(log.at(5), "Main Left : 2000.4");
    EXPECT_EQ(log.at(7), "Width : 0");
}

// The window takes single precision: 38 digits still fit, 40 of either sign do not and end the sequence.
TEST(Startup, WindowValueBeyondSinglePrecisionEndsTheSequenceThroughProcError)
{
    const std::string fits(38, '9'), huge(40, '9');
    const char* names[] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};
    StartWorld taken;
    for (const char* name : names)
        taken.put(kSettings, name, fits);
    taken.start();
    for (const double twips : taken.view.geometry)
        EXPECT_EQ(twips, static_cast<float>(std::stod(fits)));
    for (std::size_t property = 0; property < 4; ++property) {
        SCOPED_TRACE(names[property]);
        StartWorld world;
        world.put(kSettings, names[property], property % 2 ? "-" + huge : huge);
        world.dialogs.expectMessage(test::procErrorBox(6, "Overflow"));
        EXPECT_EQ(world.start().back(), "Ooops this is bad : Error Nr : 6 in Quorrin\rOverflow");
    }
}

TEST(Startup, CounterBeyondSixteenBitsEndsTheSequenceThroughProcError)
{
    StartWorld world;
    world.put(kInfo, "TotalTransfers", "40000");
    world.dialogs.expectMessage(test::procErrorBox(6, "Overflow"));
    const auto log = world.start();
    EXPECT_EQ(log.back(), "Ooops this is bad : Error Nr : 6 in Quorrin\rOverflow");
    EXPECT_EQ(world.stored(kSettings, "CleanExit"), "True")
        << "the sequence ended before the flag was cleared";
    EXPECT_TRUE(world.core.state.SourceList.items.empty());
}

} // namespace
} // namespace quorrin::test
