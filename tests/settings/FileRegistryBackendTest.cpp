#include "settings/FileRegistryBackend.h"

#include "RegistryBackendContract.h"
#include "settings/RegFile.h"
#include "support/MemoryRegistryBackend.h"
#include "support/TempDir.h"

#include <filesystem>

namespace quorrin::test {

namespace {

constexpr auto kUser = RegRoot::CurrentUser;
const std::string kSettings = "Software\\Quorrin\\Settings";
const std::string kUserFile = "HKEY_CURRENT_USER.reg";

ContractStore makeFileStore()
{
    auto dir = std::make_shared<TempDir>();
    return {dir, std::make_unique<FileRegistryBackend>(dir->str())};
}

ContractStore makeMemoryStore()
{
    return {nullptr, std::make_unique<MemoryRegistryBackend>()};
}

INSTANTIATE_TEST_SUITE_P(Local, RegistryBackendContract,
                         testing::Values(ContractBackend{"File", makeFileStore},
                                         ContractBackend{"Memory", makeMemoryStore}),
                         contractName);

// The bytes of each copy of a damaged user file kept aside.
std::vector<std::string> damagedCopies(const TempDir& dir)
{
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        if (entry.path().filename().string().starts_with(kUserFile + ".damaged-"))
            found.push_back(readFile(entry.path()));
    return found;
}

class FileRegistryBackendTest : public testing::Test
{
protected:
    TempDir dir;
    FileRegistryBackend backend{dir.str()};
    Global global{backend};
};

} // namespace

// A file written by hand (LF, comments, a value going on in the next line) is read, and written back as
// regedit 4 text with every value it held.
TEST_F(FileRegistryBackendTest, ReadsAHandWrittenFileAndWritesItBackAsRegedit4)
{
    dir.write(kUserFile, readTestData("settings-handwritten-lf-comments.reg"));
    EXPECT_EQ(global.ReadRegValue(kUser, "SOFTWARE\\QUORRIN\\SETTINGS", "mode"), "Developer");
    EXPECT_EQ(global.ReadRegValue(kUser, kSettings, "TipNR"), RegValue(42));
    EXPECT_EQ(global.ReadRegValue(kUser, "Software\\Quorrin\\Info", "Version"), "1.0.27");

    global.writeText(kSettings, "MODE", "Normal");
    global.writeValue(kUser, kSettings, "TipNr", 10, RegType::Dword);
    global.writeText(kSettings, "Path", "C:\\Zone \"Q\"\xE9");
    global.writeText(kSettings, "Lines", "a\r\nb");
    global.writeText("Software\\Quorrin\\New", "Version", "");
    EXPECT_EQ(dir.read(kUserFile), "REGEDIT4\r\n\r\n"
                                   "[HKEY_CURRENT_USER\\Software\\Quorrin\\Settings]\r\n"
                                   "\"Mode\"=\"Normal\"\r\n"
                                   "\"TipNr\"=dword:0000000a\r\n"
                                   "\"Multi\"=hex(7):61,00,62,00,00\r\n"
                                   "@=\"default\"\r\n"
                                   "\"Raw\"=hex(3):01,ff\r\n"
                                   "\"Path\"=\"C:\\\\Zone \\\"Q\\\"\xE9\"\r\n"
                                   "\"Lines\"=hex(1):61,0d,0a,62,00\r\n"
                                   "\r\n"
                                   "[hkey_current_user\\software\\quorrin\\info]\r\n"
                                   "\"Version\"=\"1.0.27\"\r\n"
                                   "\r\n"
                                   "[HKEY_CURRENT_USER\\Software\\Quorrin\\New]\r\n"
                                   "\"Version\"=\"\"\r\n"
                                   "\r\n");
    EXPECT_EQ(global.ReadRegValue(kUser, kSettings, "Lines"), "a\r\nb");
    EXPECT_TRUE(damagedCopies(dir).empty());
    EXPECT_FALSE(dir.exists("HKEY_LOCAL_MACHINE.reg"));
}

TEST_F(FileRegistryBackendTest, KeyAndValueNamesIgnoreTheCaseOfAsciiLettersOnly)
{
    // Each name asked for in another case; the neighbours of the letters and 8-bit letters (\340: a grave in
    // Latin-1) match only themselves.
    const std::string written = "`{\340\351amz", asked = "@[\300\311AMZ";
    const std::size_t neighbours = 4;
    for (const char name : written)
        global.writeText("Q\\" + std::string(1, name), std::string(1, name), "x");
    for (std::size_t i = 0; i < written.size(); ++i) {
        const std::string name(1, written[i]), other(1, asked[i]), expected = i < neighbours ? "" : "x";
        EXPECT_EQ(global.ReadRegValue(kUser, "Q\\" + other, name), expected) << "key " << other;
        EXPECT_EQ(global.ReadRegValue(kUser, "Q\\" + name, other), expected) << "value " << other;
    }
}

TEST_F(FileRegistryBackendTest, KeepsADamagedFileAsideBeforeTheFirstWrite)
{
    const std::string header =
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Quorrin\\Settings]\r\n\"Mode\"=\"Developer\"\r\n";
    // The file's bytes, and the "Mode" that can still be read from them.
    const std::pair<std::string, std::string> cases[] = {
        {readTestData("settings-no-header.reg"), "Developer"},
        {readTestData("settings-broken-lines.reg"), "Developer"},
        {readTestData("settings-hex-cut-off.reg"), "Developer"},
        {readTestData("settings-binary-garbage.reg"), ""},
        {header + "\"Path\"=\"C:\\Zone\"\r\n", "Developer"}, // an unknown escape
        {header + "[-HKEY_CURRENT_USER\\Software\\Quorrin]\r\n", "Developer"},
        {header + ";" + std::string(FileRegistryBackend::kMaxFileSize, ';'), "Developer"}, // too large
    };
    for (const auto& [bytes, mode] : cases) {
        SCOPED_TRACE(testing::PrintToString(bytes.substr(0, 80)));
        TempDir folder;
        FileRegistryBackend store(folder.str());
        const Global reader(store);
        folder.write(kUserFile, bytes);
        EXPECT_EQ(reader.ReadRegValue(kUser, kSettings, "Mode"), mode);
        EXPECT_TRUE(folder.read(kUserFile) == bytes) << "reading must not touch the file";

        reader.writeText(kSettings, "Tip", "1");
        reader.writeText(kSettings, "Tip", "0");
        EXPECT_TRUE(damagedCopies(folder) == std::vector{bytes});
        EXPECT_TRUE(parseRegFile(folder.read(kUserFile)).complete);
        EXPECT_EQ(reader.ReadRegValue(kUser, kSettings, "Mode"), mode);
        EXPECT_EQ(reader.ReadRegValue(kUser, kSettings, "Tip"), "0");
    }
}

TEST_F(FileRegistryBackendTest, MachineFileIsOnlyRead)
{
    const std::string machine =
        "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Zone\\Setup]\r\n\"Path\"=\"C:\\\\Zone\"\r\n";
    dir.write("HKEY_LOCAL_MACHINE.reg", machine);
    const std::string setup = "Software\\Zone\\Setup";
    EXPECT_EQ(global.ReadRegValue(RegRoot::LocalMachine, setup, "Path"), "C:\\Zone");

    RegHandle key = kNoRegHandle;
    EXPECT_EQ(backend.createKey(RegRoot::LocalMachine, setup, KEY_ALL_ACCESS, key), kRegAccessDenied);
    ASSERT_EQ(backend.openKey(RegRoot::LocalMachine, setup, KEY_ALL_ACCESS, key), kRegSuccess);
    const std::uint8_t text[] = "D:";
    EXPECT_EQ(backend.setValue(key, "Path", 1, text, sizeof text), kRegAccessDenied);
    EXPECT_EQ(dir.read("HKEY_LOCAL_MACHINE.reg"), machine);
}

TEST_F(FileRegistryBackendTest, MissingFolderIsMadeOnTheFirstWriteAndInstancesShareTheFile)
{
    const std::string folder = (dir.path() / "config/Quorrin").string();
    FileRegistryBackend first(folder), second(folder);
    const Global one(first), two(second);
    EXPECT_TRUE(one.ReadRegValue(kUser, kSettings, "Mode").isEmpty());
    EXPECT_FALSE(dir.exists("config"));

    one.writeText(kSettings, "Mode", "Developer");
    two.writeText(kSettings, "CleanExit", "False");
    EXPECT_EQ(two.ReadRegValue(kUser, kSettings, "Mode"), "Developer");
    EXPECT_EQ(one.ReadRegValue(kUser, kSettings, "CleanExit"), "False");
}

} // namespace quorrin::test
