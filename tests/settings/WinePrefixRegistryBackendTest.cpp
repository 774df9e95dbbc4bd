#include "settings/WinePrefixRegistryBackend.h"

#include "RegistryBackendContract.h"
#include "settings/DefaultRegistryBackend.h"
#include "settings/FileRegistryBackend.h"
#include "settings/Schema.h"
#include "settings/Settings.h"
#include "support/MemoryRegistryBackend.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <functional>
#include <sys/stat.h>

namespace quorrin::test {

namespace {

namespace fs = std::filesystem;

constexpr auto kMachine = RegRoot::LocalMachine;
const std::string kSetup(schema::kZoneSetupKey);
const std::string kWowKey =
    "[Software\\\\Wow6432Node\\\\Microsoft\\\\Internet Gaming Zone\\\\Setup] 1733400000\n";
const std::string kPlainKey = "[Software\\\\Microsoft\\\\Internet Gaming Zone\\\\Setup] 1733400000\n";

// A 64-bit prefix's registry with "Path" where a 32-bit installer writes it; `path` as the file holds it.
std::string wow(const std::string& path)
{
    return "#arch=win64\n\n" + kWowKey + "#time=1db47a0c3a0f2e4\n\"Path\"=\"" + path + "\"\n";
}

// A Wine prefix at `at`: system.reg, dosdevices/c: -> ../drive_c and z: -> /, and `folders` on drive C.
fs::path makePrefix(const fs::path& at, const std::string& registry,
                    std::initializer_list<const char*> folders = {})
{
    fs::create_directories(at / "dosdevices");
    fs::create_directories(at / "drive_c");
    fs::create_directory_symlink("../drive_c", at / "dosdevices/c:");
    fs::create_directory_symlink("/", at / "dosdevices/z:");
    for (const char* folder : folders)
        fs::create_directories(at / "drive_c" / folder);
    std::ofstream(at / "system.reg", std::ios::binary) << "WINE REGISTRY Version 2\n" << registry;
    return at;
}

std::string clientPath(RegistryBackend& backend)
{
    return Global(backend).ReadRegValue(kMachine, kSetup, "Path").toText();
}

// Sets an environment variable, or removes it for nullptr, until the end of the scope.
class ScopedVariable
{
public:
    ScopedVariable(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        set(value);
    }
    ~ScopedVariable() { set(old_ ? old_->c_str() : nullptr); }
    void set(const char* value) { value ? ::setenv(name_, value, 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
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

TEST(WinePrefixRegistryBackend, MapsTheClientPathIntoThePrefix)
{
    struct Case
    {
        const char* what;
        std::string registry;
        std::initializer_list<const char*> folders; // on drive C; "cdrom" is drive D
        std::string expected;                       // below the test's folder; empty: no path
    };
    const std::string wine = "home/.wine/";
    // clang-format off
    const Case cases[] = {
        {"64-bit, under Wow6432Node only", wow("C:\\\\Program Files\\\\Zone"), {"Program Files/Zone"},
         wine + "drive_c/Program Files/Zone"},
        {"32-bit, where only the plain path counts",
         "#arch=win32\n" + kWowKey + "\"Path\"=\"C:\\\\Wrong\"\n" + kPlainKey + "\"Path\"=\"C:\\\\Zone\"\n", {},
         wine + "drive_c/Zone"},
        {"escapes, as UTF-8", wow("C:\\\\Z\\xf6ne \\x03a9b\\\\\\\"Q\\\""), {"Z\u00f6ne \u03a9b/\"Q\""},
         wine + "drive_c/Z\u00f6ne \u03a9b/\"Q\""},
        {"letter case on disk, kept as written from the first missing part",
         wow("C:\\\\PROGRAM FILES\\\\\\xc4rger\\\\Client\\\\Zone"), {"program files/\u00e4rger"},
         wine + "drive_c/program files/\u00e4rger/Client/Zone"},
        {"another drive", wow("d:\\\\Zone"), {}, "cdrom/Zone"},
        {"dots and slashes", wow("C:/Games\\\\..\\\\.\\\\Zone\\\\"), {}, wine + "drive_c/Zone"},
        {"a drive the prefix lacks", wow("E:\\\\Zone"), {}, ""},
        {"no drive", wow("\\\\\\\\server\\\\Zone"), {}, ""},
        {"relative to a drive", wow("C:Zone"), {}, ""},
        {"empty", wow(""), {}, ""},
        {"no text", "#arch=win64\n" + kWowKey + "\"Path\"=hex(1):43,00,3a,00,00,00\n", {}, ""},
    };
    // clang-format on
    for (const auto& row : cases) {
        TempDir dir;
        const fs::path prefix = makePrefix(dir.path() / wine, row.registry, row.folders);
        fs::create_directories(dir.path() / "cdrom");
        fs::create_directory_symlink(dir.path() / "cdrom", prefix / "dosdevices/d:");
        WinePrefixRegistryBackend backend({(dir.path() / "home").string(), {}},
                                          std::make_unique<MemoryRegistryBackend>());
        EXPECT_EQ(clientPath(backend), row.expected.empty() ? "" : (dir.path() / row.expected).string())
            << row.what;
    }
}

TEST(WinePrefixRegistryBackend, AsksThePrefixesInOrderUntilOneHasTheClient)
{
    TempDir dir;
    const fs::path home = dir.path() / "home";
    const std::string other = "#arch=win64\n[Software\\\\Other] 1\n\"Path\"=\"C:\\\\Other\"\n";
    const fs::path expected[] = {
        makePrefix(dir.path() / "env", other),
        makePrefix(home / ".wine", other),
        makePrefix(home / ".var/app/com.usebottles.bottles/data/bottles/bottles/a", other),
        makePrefix(home / ".var/app/com.usebottles.bottles/data/bottles/bottles/b", wow("C:\\\\Zone")),
        makePrefix(home / ".local/share/bottles/bottles/c", wow("C:\\\\Zone")),
        makePrefix(home / "Games/d", other),
        makePrefix(home / "Games/e/prefix", other),
        makePrefix(home / ".PlayOnLinux/wineprefix/f", other),
    };
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

TEST(WinePrefixRegistryBackend, ADamagedSystemRegIsPassedOverForTheNextPrefix)
{
    const std::function<void(const fs::path&)> damages[] = {
        [](const fs::path& reg) { std::ofstream(reg, std::ios::app) << "garbage\n"; },
        [](const fs::path& reg) { std::ofstream(reg, std::ios::app) << "\"B\"=hex:01,\\\n"; },
        [](const fs::path& reg) { // would block a plain open
            fs::remove(reg);
            ::mkfifo(reg.c_str(), 0600);
        },
        [](const fs::path& reg) {
            fs::remove(reg);
            fs::create_directory(reg);
        },
    };
    for (const auto& damage : damages) {
        TempDir dir;
        damage(makePrefix(dir.path() / "env", wow("C:\\\\Damaged")) / "system.reg");
        makePrefix(dir.path() / "home/.wine", wow("C:\\\\Zone"));
        WinePrefixRegistryBackend backend({(dir.path() / "home").string(), (dir.path() / "env").string()},
                                          std::make_unique<MemoryRegistryBackend>());
        EXPECT_EQ(clientPath(backend), (dir.path() / "home/.wine/drive_c/Zone").string());
    }
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

    const fs::path reg = makePrefix(dir.path() / "home/.wine", wow("C:\\\\Zone")) / "system.reg";
    const std::string before = readFile(reg);
    EXPECT_EQ(clientPath(backend), (dir.path() / "home/.wine/drive_c/Zone").string());
    EXPECT_EQ(global.ReadRegValue(kMachine, kSetup, "Other").toText(), "kept");
    global.writeValue(kMachine, kSetup, "Path", RegValue(std::string("C:\\New")), RegType::Sz);
    EXPECT_EQ(store.text(kMachine, kSetup, "Path"), "C:\\New");
    EXPECT_EQ(readFile(reg), before);
    EXPECT_EQ(store.openHandles(), 0);
}

TEST(WinePrefixRegistryBackend, TheDefaultStoreLooksOnlyWhereHomeAndWineprefixPoint)
{
    TempDir dir;
    const fs::path home = dir.path() / "home";
    const ScopedVariable config("XDG_CONFIG_HOME", (dir.path() / "config").c_str());
    ScopedVariable homeVariable("HOME", home.c_str());
    ScopedVariable prefixVariable("WINEPREFIX", nullptr);
    makePrefix(home / ".wine", wow("C:\\\\Zone"));
    makePrefix(dir.path() / "env", wow("C:\\\\Env"));

    const auto read = [] {
        const auto backend = createDefaultRegistryBackend();
        Global global(*backend);
        return Settings(global).text(schema::kZoneClientPath);
    };
    EXPECT_EQ(WinePrefixSearch::fromEnvironment().prefixes(), std::vector<fs::path>{home / ".wine"});
    EXPECT_EQ(read(), (home / ".wine/drive_c/Zone").string());
    prefixVariable.set((dir.path() / "env").c_str());
    EXPECT_EQ(read(), (dir.path() / "env/drive_c/Env").string());
    prefixVariable.set(nullptr);
    homeVariable.set(nullptr);
    EXPECT_EQ(read(), "");
}

} // namespace quorrin::test
