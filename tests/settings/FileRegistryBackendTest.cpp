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

std::vector<std::filesystem::path> damagedCopies(const TempDir& dir)
{
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        if (entry.path().filename().string().starts_with(kUserFile + ".damaged-"))
            found.push_back(entry.path());
    return found;
}

class FileRegistryBackendTest : public testing::Test
{
protected:
    std::string read(const std::string& key, const std::string& name)
    {
        return global.ReadRegValue(kUser, key, name).toText();
    }

    TempDir dir;
    FileRegistryBackend backend{dir.str()};
    Global global{backend};
};

} // namespace

TEST_F(FileRegistryBackendTest, WritesRegedit4Text)
{
    global.writeText(kSettings, "Mode", "Developer");
    global.writeValue(kUser, kSettings, "TipNr", 10, RegType::Dword);
    global.writeText(kSettings, "Path", "C:\\Zone \"Q\"\xE9");
    global.writeText(kSettings, "Lines", "a\r\nb");
    global.writeText("Software\\Quorrin\\Info", "Version", "");
    global.writeText(kSettings, "MODE", "Normal");

    EXPECT_EQ(dir.read(kUserFile), "REGEDIT4\r\n\r\n"
                                   "[HKEY_CURRENT_USER\\Software\\Quorrin\\Settings]\r\n"
                                   "\"Mode\"=\"Normal\"\r\n"
                                   "\"TipNr\"=dword:0000000a\r\n"
                                   "\"Path\"=\"C:\\\\Zone \\\"Q\\\"\xE9\"\r\n"
                                   "\"Lines\"=hex(1):61,0d,0a,62,00\r\n"
                                   "\r\n"
                                   "[HKEY_CURRENT_USER\\Software\\Quorrin\\Info]\r\n"
                                   "\"Version\"=\"\"\r\n"
                                   "\r\n");
    EXPECT_EQ(read(kSettings, "Lines"), "a\r\nb");
    EXPECT_FALSE(dir.exists("HKEY_LOCAL_MACHINE.reg"));
}

TEST_F(FileRegistryBackendTest, ReadsAHandWrittenFileAndKeepsItsValuesThroughARewrite)
{
    dir.write(kUserFile, readTestData("settings-handwritten-lf-comments.reg"));
    EXPECT_EQ(read("SOFTWARE\\QUORRIN\\SETTINGS", "mode"), "Developer");
    EXPECT_EQ(global.ReadRegValue(kUser, kSettings, "TipNR"), RegValue(42));
    EXPECT_EQ(read("Software\\Quorrin\\Info", "Version"), "1.0.27");

    global.writeText(kSettings, "Tip", "0");
    EXPECT_EQ(dir.read(kUserFile), "REGEDIT4\r\n\r\n"
                                   "[HKEY_CURRENT_USER\\Software\\Quorrin\\Settings]\r\n"
                                   "\"Mode\"=\"Developer\"\r\n"
                                   "\"TipNr\"=dword:0000002a\r\n"
                                   "\"Multi\"=hex(7):61,00,62,00,00\r\n"
                                   "@=\"default\"\r\n"
                                   "\"Raw\"=hex(3):01,ff\r\n"
                                   "\"Tip\"=\"0\"\r\n"
                                   "\r\n"
                                   "[hkey_current_user\\software\\quorrin\\info]\r\n"
                                   "\"Version\"=\"1.0.27\"\r\n"
                                   "\r\n");
    EXPECT_TRUE(damagedCopies(dir).empty());
}

TEST_F(FileRegistryBackendTest, KeyAndValueNamesIgnoreTheCaseOfAsciiLettersOnly)
{
    struct Name
    {
        char written, asked;
        bool folds;
    };
    // The neighbours of the letters and 8-bit letters match only themselves.
    std::vector<Name> names{
        {'`', '@', false}, {'{', '[', false}, {'\xE0', '\xC0', false}, {'\xE9', '\xC9', false}};
    for (char letter = 'a'; letter <= 'z'; ++letter)
        names.push_back({letter, static_cast<char>(letter - 'a' + 'A'), true});
    std::string file = "REGEDIT4\r\n";
    for (const Name& name : names)
        file += "[HKEY_CURRENT_USER\\Q\\" + std::string(1, name.written) + "]\r\n\"" + name.written +
                "\"=\"x\"\r\n";
    dir.write(kUserFile, file);

    for (const Name& name : names) {
        const std::string written(1, name.written), asked(1, name.asked);
        EXPECT_EQ(read("Q\\" + asked, written), name.folds ? "x" : "") << "key " << asked;
        EXPECT_EQ(read("Q\\" + written, asked), name.folds ? "x" : "") << "value " << asked;
    }
}

TEST_F(FileRegistryBackendTest, KeepsADamagedFileAsideBeforeTheFirstWrite)
{
    const std::string header = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Quorrin\\Settings]\r\n";
    const struct
    {
        std::string name;
        std::string bytes;
        std::string mode; // what can still be read
    } cases[] = {
        {"no header", readTestData("settings-no-header.reg"), "Developer"},
        {"broken lines", readTestData("settings-broken-lines.reg"), "Developer"},
        {"hex cut off", readTestData("settings-hex-cut-off.reg"), "Developer"},
        {"binary garbage", readTestData("settings-binary-garbage.reg"), ""},
        {"unknown escape", header + "\"Mode\"=\"Developer\"\r\n\"Path\"=\"C:\\Zone\"\r\n", "Developer"},
        {"deletion entry", header + "\"Mode\"=\"Developer\"\r\n[-HKEY_CURRENT_USER\\Software\\Quorrin]\r\n",
         "Developer"},
        {"too large",
         header + "\"Mode\"=\"Developer\"\r\n;" + std::string(FileRegistryBackend::kMaxFileSize, ';'),
         "Developer"},
    };
    for (const auto& file : cases) {
        SCOPED_TRACE(file.name);
        TempDir folder;
        FileRegistryBackend store(folder.str());
        Global reader(store);
        folder.write(kUserFile, file.bytes);
        EXPECT_EQ(reader.ReadRegValue(kUser, kSettings, "Mode"), file.mode);
        EXPECT_EQ(folder.read(kUserFile), file.bytes) << "reading must not touch the file";

        reader.writeText(kSettings, "Tip", "1");
        reader.writeText(kSettings, "Tip", "0");
        const auto copies = damagedCopies(folder);
        ASSERT_EQ(copies.size(), 1u);
        EXPECT_TRUE(folder.read(copies[0].filename()) == file.bytes);
        const RegFileContent rewritten = parseRegFile(folder.read(kUserFile));
        EXPECT_TRUE(rewritten.complete);
        EXPECT_EQ(reader.ReadRegValue(kUser, kSettings, "Mode"), file.mode);
        EXPECT_EQ(reader.ReadRegValue(kUser, kSettings, "Tip"), "0");
    }
}

TEST_F(FileRegistryBackendTest, MachineFileIsOnlyRead)
{
    const std::string machine =
        "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Zone\\Setup]\r\n\"Path\"=\"C:\\\\Zone\"\r\n";
    dir.write("HKEY_LOCAL_MACHINE.reg", machine);
    EXPECT_EQ(global.ReadRegValue(RegRoot::LocalMachine, "Software\\Zone\\Setup", "Path"), "C:\\Zone");

    RegHandle key = kNoRegHandle;
    EXPECT_EQ(backend.createKey(RegRoot::LocalMachine, "Software\\Zone\\Setup", KEY_ALL_ACCESS, key),
              kRegAccessDenied);
    ASSERT_EQ(backend.openKey(RegRoot::LocalMachine, "Software\\Zone\\Setup", KEY_ALL_ACCESS, key),
              kRegSuccess);
    const std::uint8_t text[] = "D:";
    EXPECT_EQ(backend.setValue(key, "Path", 1, text, sizeof text), kRegAccessDenied);
    EXPECT_EQ(dir.read("HKEY_LOCAL_MACHINE.reg"), machine);
}

TEST_F(FileRegistryBackendTest, MissingFolderIsMadeOnTheFirstWriteAndInstancesShareTheFile)
{
    const std::string folder = (dir.path() / "config" / "Quorrin").string();
    FileRegistryBackend first(folder);
    FileRegistryBackend second(folder);
    Global one(first);
    Global two(second);
    EXPECT_TRUE(one.ReadRegValue(kUser, kSettings, "Mode").isEmpty());
    EXPECT_FALSE(dir.exists("config"));

    one.writeText(kSettings, "Mode", "Developer");
    two.writeText(kSettings, "CleanExit", "False");
    EXPECT_EQ(two.ReadRegValue(kUser, kSettings, "Mode"), "Developer");
    EXPECT_EQ(one.ReadRegValue(kUser, kSettings, "CleanExit"), "False");
}

} // namespace quorrin::test
