#include "RegistryBackendContract.h"

#include <cctype>

namespace quorrin::test {

void RegistryBackendContract::SetUp()
{
    store = GetParam().make();
    global = std::make_unique<Global>(*store.backend);
    settings = store.keyBase + "\\Settings";
}

std::string contractName(const testing::TestParamInfo<ContractBackend>& info)
{
    return info.param.name;
}

TEST_P(RegistryBackendContract, TextsReadBackByteForByte)
{
    std::string highBytes;
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        highBytes += static_cast<char>(byte);
    for (const std::string& text :
         {std::string(), std::string("Developer"), std::string("C:\\Zone \"1\""), highBytes}) {
        global->writeText(settings, "Mode", text);
        EXPECT_EQ(global->ReadRegValue(RegRoot::CurrentUser, settings, "Mode"), RegValue(text));
    }
}

TEST_P(RegistryBackendContract, NamesIgnoreCaseAndDwordsReadAsNumbers)
{
    std::string upper = settings;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const std::int32_t number : {10, -2}) {
        global->WriteRegValue(global->OpenRegKey(settings, RegRoot::CurrentUser), "TipNr", number,
                              RegType::Dword);
        EXPECT_EQ(global->ReadRegValue(RegRoot::CurrentUser, upper, "TipNR"), RegValue(number));
    }
}

TEST_P(RegistryBackendContract, OtherTypesAndMissingValuesReadAsEmpty)
{
    global->writeText(settings, "Mode", "Developer");
    const RegHandle settingsKey = global->OpenRegKey(settings, RegRoot::CurrentUser);
    const std::uint8_t raw[] = {1, 2, 3};
    store.backend->setValue(settingsKey, "Raw", static_cast<std::uint32_t>(RegType::Binary), raw, sizeof raw);
    store.backend->closeKey(settingsKey);
    for (const auto& [key, name] :
         {std::pair{settings, "Raw"}, {settings, "Nothing"}, {store.keyBase + "\\Missing", "Mode"}}) {
        ASSERT_EQ(global->ReadRegValue(RegRoot::CurrentUser, settings, "Mode"), "Developer");
        EXPECT_TRUE(global->ReadRegValue(RegRoot::CurrentUser, key, name).isEmpty()) << key << " " << name;
    }
}

// OpenRegKey creates the missing key; WriteRegValue closes it, so a second write on it is lost.
TEST_P(RegistryBackendContract, WritingCreatesAMissingKeyAndClosesIt)
{
    RegHandle key = 1;
    EXPECT_EQ(store.backend->openKey(RegRoot::CurrentUser, settings, KEY_ALL_ACCESS, key), kRegFileNotFound);
    EXPECT_EQ(key, kNoRegHandle);
    key = global->OpenRegKey(settings, RegRoot::CurrentUser);
    global->WriteRegValue(key, "MainTop", "420", RegType::Sz);
    global->WriteRegValue(key, "MainLeft", "1575", RegType::Sz);

    EXPECT_EQ(store.backend->closeKey(key), kRegInvalidHandle);
    EXPECT_EQ(global->ReadRegValue(RegRoot::CurrentUser, settings, "MainTop"), "420");
    EXPECT_TRUE(global->ReadRegValue(RegRoot::CurrentUser, settings, "MainLeft").isEmpty());
}

TEST_P(RegistryBackendContract, QueryReportsTheSizeAndRefusesASmallBuffer)
{
    global->writeText(settings, "Tip", "abc");
    RegHandle key = kNoRegHandle;
    ASSERT_EQ(store.backend->openKey(RegRoot::CurrentUser, settings, KEY_ALL_ACCESS, key), kRegSuccess);
    std::uint32_t type = 0, size = 0;
    EXPECT_EQ(store.backend->queryValue(key, "Tip", &type, nullptr, &size), kRegSuccess);
    EXPECT_EQ(type, 1u);
    EXPECT_EQ(size, 4u);
    std::uint8_t small[2] = {};
    size = sizeof small;
    EXPECT_EQ(store.backend->queryValue(key, "Tip", &type, small, &size), kRegMoreData);
    EXPECT_EQ(size, 4u);
    store.backend->closeKey(key);
    EXPECT_EQ(store.backend->queryValue(key, "Tip", &type, nullptr, &size), kRegInvalidHandle);
}

} // namespace quorrin::test
