#include "settings/WinePrefixRegistryBackend.h"
#include "settings/WineRegistryFile.h"
#include "support/MemoryRegistryBackend.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace quorrin::test {

namespace fs = std::filesystem;

// What Wine itself writes: a new prefix, the client's value added the way its 32-bit installer would, read
// back through the store. HOME and WINEPREFIX point into the test's folder, so no real prefix is touched.
TEST(WineItself, WritesAPrefixWhoseClientPathIsFound)
{
    if (std::system("command -v wine >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "wine is not installed";
    TempDir dir;
    const fs::path home = dir.path() / "home", prefix = dir.path() / "prefix";
    fs::create_directories(home);
    // No display, no menu entries, no Mono or Gecko; wineserver -w waits until system.reg is written.
    const std::string command =
        "cd '" + dir.str() + "' && env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_CONFIG_HOME -u XDG_DATA_HOME " +
        "-u XDG_CACHE_HOME HOME='" + home.string() + "' WINEPREFIX='" + prefix.string() +
        "' WINEDEBUG=-all 'WINEDLLOVERRIDES=winemenubuilder.exe=d;mscoree,mshtml=' sh -c \"wine reg add "
        "'HKLM\\Software\\Microsoft\\Internet Gaming Zone\\Setup' /v Path /d 'C:\\Zone' /f /reg:32 && "
        "wineserver -w\" </dev/null >wine.log 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << dir.read("wine.log");

    // Every registry file Wine wrote reads completely.
    for (const char* name : {"user.reg", "userdef.reg", "system.reg"})
        ASSERT_TRUE(WineRegistryFile::parse(dir.read(fs::path("prefix") / name))) << name;
    const auto system = WineRegistryFile::parse(dir.read("prefix/system.reg"));
    if (system->arch() == WineArch::Win64) {
        EXPECT_TRUE(
            system->findValue(u"Software\\Wow6432Node\\Microsoft\\Internet Gaming Zone\\Setup", u"Path"));
    }

    fs::create_directories(prefix / "drive_c/zone");
    WinePrefixRegistryBackend backend({home.string(), prefix.string()},
                                      std::make_unique<MemoryRegistryBackend>());
    EXPECT_EQ(backend.zoneClientPath(), (prefix / "drive_c/zone").string());
}

} // namespace quorrin::test
