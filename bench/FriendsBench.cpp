// The largest lists the program takes: reading a 32,767-entry Friends.txt, and transferring 32,767 checked
// friends into a target of 32,767 others. Both must feel instant.
#include "app/MainWindowCore.h"
#include "platform/Dialogs.h"
#include "platform/FileSearch.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "settings/Global.h"
#include "settings/Settings.h"
#include "support/MemoryRegistryBackend.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>

namespace quorrin {
namespace {

namespace fs = std::filesystem;

constexpr int kEntries = 32767;

class QuietView : public MainView
{
public:
    void setTimer1Enabled(bool) override {}
    void setBusyPointer(bool) override {}
    double windowProperty(WindowProperty) const override { return 0; }
    void setWindowProperty(WindowProperty, double) override {}
    void stateChanged(MainPart) override {}
    void redraw(MainPart) override {}
    void moveSplashOutOfView() override {}
};

class AgreeingDialogs : public Dialogs
{
public:
    MessageResult showMessage(const MessageBoxRequest&) override { return MessageResult::Ok; }
    std::string BrowseForFolder(const std::string&, const std::string&) override { return {}; }
};

class NoShell : public Shell
{
public:
    void openAddress(const std::string&) override {}
    bool startProgram(const std::string&) override { return false; }
};

void writeFriends(const fs::path& folder, const std::string& prefix, int count = kEntries)
{
    fs::create_directories(folder);
    std::ofstream out(folder / "Friends.txt", std::ios::binary);
    out << "[Friends]\r\n";
    for (int i = 0; i < count; ++i)
        out << prefix << i << "\r\n";
    out << "\r\n[#Watchers Allowed]\r\n\r\n[#Watchers Not Allowed]\r\n";
}

struct World
{
    World()
    {
        writeFriends(root / "Favorites" / "Source", "SourceFriend_");
        writeFriends(root / "Favorites" / "Target", "TargetFriend_");
        core.state.ZonePath = (root / "Favorites").string();
        core.state.SourceList.items = core.state.TargetList.items = {"Source", "Target"};
    }
    ~World() { fs::remove_all(root); }

    fs::path root = fs::temp_directory_path() / "quorrin-bench";
    MemoryRegistryBackend registry;
    Global store{registry};
    Settings settings{store};
    AgreeingDialogs dialogs;
    NoShell shell;
    std::unique_ptr<FileSystem> files = createLocalFileSystem();
    std::unique_ptr<FileSearch> search = createFileSearch();
    QuietView view;
    MainWindowCore core{Services{settings, dialogs, shell, *files, *search, root.string()}, view};
};

void readLargestList(benchmark::State& state)
{
    World world;
    for (auto _ : state) {
        world.core.SourceList_Click(0);
        benchmark::DoNotOptimize(world.core.state.SourceListZoneNames.entries[0].data());
    }
    state.counters["entries"] = static_cast<double>(world.core.state.SourceListZoneNames.size());
}
BENCHMARK(readLargestList)->Unit(benchmark::kMillisecond);

// Every run starts from the same files: a transfer rewrites its target.
void transferLargestLists(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto world = std::make_unique<World>();
        // Every other source friend checked and a target of the rest: the file written is as long as a list
        // may be, and each chosen name is looked up among all the target's names.
        writeFriends(world->root / "Favorites" / "Target", "TargetFriend_", kEntries / 2 - 4);
        world->core.SourceList_Click(0);
        world->core.TargetList_Click(1);
        for (std::size_t i = 0; i < world->core.state.SourceListZoneNames.size(); i += 2)
            world->core.state.SourceListZoneNames.checked[i] = false;
        state.ResumeTiming();
        world->core.BtnTransfer_Click();
        state.PauseTiming();
        // The target read again after the write: every line but the [Friends] tag and the four closing lines.
        if (world->core.state.TargetListZoneNames.size() != kEntries - 5)
            state.SkipWithError("the transfer did not write a full list");
        world.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(transferLargestLists)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quorrin

BENCHMARK_MAIN();
