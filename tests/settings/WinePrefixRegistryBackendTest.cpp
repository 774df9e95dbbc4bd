#include "settings/WinePrefixRegistryBackend.h"

#include "RegistryBackendContract.h"
#include "settings/DefaultRegistryBackend.h"
#include "settings/FileRegistryBackend.h"
#include "settings/Schema.h"
#include "settings/Settings.h"
#include "support/MemoryRegistryBackend.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <sys/stat.h>

namespace quorrin::test {

namespace {

namespace fs = std::filesystem;

constexpr auto kMachine = RegRoot::LocalMachine;
const std::string kSetup(schema::kZoneSetupKey);

// A 64-bit prefix's registry with "Path" where a 32-bit installer writes it; `data` as the file holds it.
std::string wow(const std::string& data)
{
    return "#arch=win64\n[Software\\\\Wow6432Node\\\\Microsoft\\\\Internet Gaming Zone\\\\Setup]\n\"Path\"=" +
           data + "\n";
}

// A Wine prefix at `at`: system.reg, dosdevices/c: -> ../drive_c and z: -> /.
fs::path makePrefix(const fs::path& at, const std::string& registry)
{
    fs::create_directories(at / "dosdevices");
    fs::create_directories(at / "drive_c");
    fs::create_directory_symlink("../drive_c", at / "dosdevices/c:");
    fs::create_directory_symlink("/", at / "dosdevices/z:");
    std::ofstream(at / "system.reg", std::ios::binary) << "WINE REGISTRY Version 2\n" << registry;
    return at;
}

std::string clientPath(RegistryBackend& backend)
{
    return Global(backend).ReadRegValue(kMachine, kSetup, "Path").toText();
}

// Sets an environment variable, or removes it for nullptr, until the end of the scope.
struct ScopedVariable
{
    ScopedVariable(const char* variable, const char* value) : name(variable)
    {
        if (const char* current = std::getenv(name))
            old = current;
        set(value);
    }
    ~ScopedVariable() { set(old ? old->c_str() : nullptr); }
    void set(const char* value) const { value ? ::setenv(name, value, 1) : ::unsetenv(name); }

    const char* name;
    std::optional<std::string> old;
};

ContractStore makeWineInFrontOfFiles()
{
    auto dir = std::make_shared<TempDir>();
    return {dir, std::make_unique<WinePrefixRegistryBackend>(
                     WinePrefixSearch{dir->str(), {}}, std::make_unique<FileRegistryBackend>(dir->str()))};
}

INSTANTIATE_TEST_SUITE_P(Wine, RegistryBackendContract,
                         testing::Values(ContractBackend{"WineInFrontOfFiles", makeWineInFrontOfFiles}),
                         contractName);

} // namespace

// The 32-bit view (Wow6432Node) is WineRegistryFileTest's; here: the path's drive, parts and letter case.
TEST(WinePrefixRegistryBackend, MapsTheClientPathIntoThePrefix)
{
    const std::string wine = "home/.wine/";
    // What "Path" holds, and the path expected below the test's folder; empty: none. Drive C has the folder
    // "program files/ärger", "cdrom" is drive D.
    const std::pair<std::string, std::string> cases[] = {
        {"\"C:\\\\Z\\xf6ne \\x03a9b\\\\\\\"Q\\\"\"", wine + "drive_c/Z\u00f6ne \u03a9b/\"Q\""}, // as UTF-8
        // the letter case on disk, kept as written from the first missing part
        {"\"C:\\\\PROGRAM FILES\\\\\\xc4rger\\\\Client\\\\Zone\"",
         wine + "drive_c/program files/\u00e4rger/Client/Zone"},
        {"\"d:\\\\Zone\"", "cdrom/Zone"},
        {"\"C:/Games\\\\..\\\\.\\\\Zone\\\\\"", wine + "drive_c/Zone"},
        {"\"E:\\\\Zone\"", ""}, // a drive the prefix lacks
        {"\"\\\\\\\\server\\\\Zone\"", ""},
        {"\"C:Zone\"", ""}, // relative to the drive's current folder
        {"\"\"", ""},
        {"hex(1):43,00,3a,00,00,00", ""}, // no text
    };
    for (const auto& [path, expected] : cases) {
        TempDir dir;
        const fs::path prefix = makePrefix(dir.path() / wine, wow(path));
        fs::create_directories(prefix / "drive_c/program files/\u00e4rger");
        fs::create_directories(dir.path() / "cdrom");
        fs::create_directory_symlink(dir.path() / "cdrom", prefix / "dosdevices/d:");
        WinePrefixRegistryBackend backend({(dir.path() / "home").string(), {}},
                                          std::make_unique<MemoryRegistryBackend>());
        EXPECT_EQ(clientPath(backend), expected.empty() ? "" : (dir.path() / expected).string()) << path;
    }
}

// Also: a damaged system.reg is passed over, and one that is no file (a FIFO would block a plain open) makes
// no prefix.
TEST(WinePrefixRegistryBackend, AsksThePrefixesInOrderUntilOneHasTheClient)
{
    TempDir dir;
    const fs::path home = dir.path() / "home";
    const fs::path flatpak = home / ".var/app/com.usebottles.bottles/data/bottles/bottles";
    const std::string other = "#arch=win64\n[Software\\\\Other] 1\n\"Path\"=\"C:\\\\Other\"\n";
    const fs::path expected[] = {
        makePrefix(dir.path() / "env", other),
        makePrefix(home / ".wine", other),
        makePrefix(flatpak / "a", wow("\"C:\\\\Damaged\"") + "garbage\n"),
        makePrefix(flatpak / "b", wow("\"C:\\\\Zone\"")),
        makePrefix(home / ".local/share/bottles/bottles/c", wow("\"C:\\\\Zone\"")),
        makePrefix(home / "Games/d", other),
        makePrefix(home / "Games/e/prefix", other),
        makePrefix(home / ".PlayOnLinux/wineprefix/f", other),
    };
    fs::create_directories(flatpak / "a-folder/system.reg");
    fs::create_directories(flatpak / "a-pipe");
    ::mkfifo((flatpak / "a-pipe/system.reg").c_str(), 0600);
    fs::create_directories(home / "Games/no-prefix");
    fs::create_directory_symlink(home / ".wine", dir.path() / "link-to-wine");

    // $WINEPREFIX comes first; a link to ~/.wine makes that one prefix.
    for (const auto& [winePrefix, rest] :
         {std::pair{dir.path() / "env", 1}, {dir.path() / "link-to-wine", 2}}) {
        const auto found = WinePrefixSearch{home.string(), winePrefix.string()}.prefixes();
        ASSERT_FALSE(found.empty());
        EXPECT_EQ(found.front(), winePrefix);
        EXPECT_EQ(std::vector<fs::path>(found.begin() + 1, found.end()),
                  std::vector<fs::path>(std::begin(expected) + rest, std::end(expected)));
    }
    WinePrefixRegistryBackend backend({home.string(), {}}, std::make_unique<MemoryRegistryBackend>());
    EXPECT_EQ(clientPath(backend), (expected[3] / "drive_c/Zone").string());
    EXPECT_TRUE((WinePrefixSearch{"relative/home", "relative/prefix"}.prefixes().empty()));
}

TEST(WinePrefixRegistryBackend, EverythingElseAndEveryWriteGoesToTheNextStore)
{
    TempDir dir;
    auto next = std::make_unique<MemoryRegistryBackend>();
    MemoryRegistryBackend& store = *next;
    store.putText(kMachine, kSetup, "Path", "/from/the/file");
    store.putText(kMachine, kSetup, "Other", "kept");
    WinePrefixRegistryBackend backend({(dir.path() / "home").string(), {}}, std::move(next));
    const Global global(backend);
    EXPECT_EQ(clientPath(backend), "/from/the/file");

    const fs::path reg = makePrefix(dir.path() / "home/.wine", wow("\"C:\\\\Zone\"")) / "system.reg";
    const std::string before = readFile(reg);
    EXPECT_EQ(clientPath(backend), (dir.path() / "home/.wine/drive_c/Zone").string());
    EXPECT_EQ(global.ReadRegValue(kMachine, kSetup, "Other"), "kept");
    global.writeValue(kMachine, kSetup, "Path", "C:\\New", RegType::Sz);
    EXPECT_EQ(store.text(kMachine, kSetup, "Path"), "C:\\New");
    EXPECT_EQ(readFile(reg), before);
    EXPECT_EQ(store.openHandles(), 0);
}

TEST(WinePrefixRegistryBackend, TheDefaultStoreLooksOnlyWhereHomeAndWineprefixPoint)
{
    TempDir dir;
    const fs::path home = dir.path() / "home";
    const ScopedVariable config("XDG_CONFIG_HOME", (dir.path() / "config").c_str());
    const ScopedVariable homeVariable("HOME", home.c_str());
    const ScopedVariable prefixVariable("WINEPREFIX", nullptr);
    makePrefix(home / ".wine", wow("\"C:\\\\Zone\""));
    makePrefix(dir.path() / "env", wow("\"C:\\\\Env\""));

    const auto read = [] {
        const auto backend = createDefaultRegistryBackend();
        Global global(*backend);
        return Settings(global).text(schema::kZoneClientPath);
    };
    EXPECT_EQ(read(), (home / ".wine/drive_c/Zone").string());
    prefixVariable.set((dir.path() / "env").c_str());
    EXPECT_EQ(read(), (dir.path() / "env/drive_c/Env").string());
    prefixVariable.set(nullptr);
    homeVariable.set(nullptr);
    EXPECT_EQ(read(), "");
}

} // namespace quorrin::test
