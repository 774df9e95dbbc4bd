#pragma once

#include "app/MainWindowCore.h"
#include "platform/FileSearch.h"
#include "settings/Global.h"
#include "settings/Settings.h"
#include "support/FailingFileSystem.h"
#include "support/FakeDialogs.h"
#include "support/FakeMainView.h"
#include "support/FakeShell.h"
#include "support/MemoryRegistryBackend.h"
#include "support/TempDir.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace quorrin::test {

// The services of a main window on a fresh temporary folder: an in-memory store, the real file system (made
// to fail where a test says) and fakes for everything the user would answer. The Zone folder is
// <temp>/Favorites, the working folder <temp>/work.
struct TestServices
{
    TestServices()
    {
        std::filesystem::create_directories(dir.path() / "work");
        std::filesystem::create_directories(dir.path() / "Favorites");
    }

    Services services()
    {
        return Services{settings, dialogs, shell, files, *search, (dir.path() / "work").string()};
    }

    std::string zone() const { return (dir.path() / "Favorites").string(); }
    std::string friendsPath(const std::string& name) const
    {
        return (dir.path() / "Favorites" / name / "Friends.txt").string();
    }
    void writeFriends(const std::string& name, const std::string& bytes) const
    {
        dir.write(std::filesystem::path("Favorites") / name / "Friends.txt", bytes);
    }
    std::string readFriends(const std::string& name, const std::string& suffix = "") const
    {
        return dir.read(std::filesystem::path("Favorites") / name / ("Friends.txt" + suffix));
    }
    std::string debugLog() const { return dir.read(std::filesystem::path("work") / "Debuglog.txt"); }

    TempDir dir;
    MemoryRegistryBackend registry;
    Global store{registry};
    Settings settings{store};
    FakeDialogs dialogs;
    FakeShell shell;
    FailingFileSystem files;
    std::unique_ptr<FileSearch> search = createFileSearch();
};

// A whole main window without the window: the core over TestServices, with the Zone folder already found.
struct CoreWorld : TestServices
{
    CoreWorld() { core.state.ZonePath = zone(); }

    // The log entries added since entry `from`.
    std::vector<std::string> logSince(std::size_t from) const
    {
        const auto& all = core.state.DebugList.entries();
        return {all.begin() + static_cast<std::ptrdiff_t>(std::min(from, all.size())), all.end()};
    }

    FakeMainView view;
    MainWindowCore core{services(), view};
};

} // namespace quorrin::test
