#include "settings/Global.h"
#include "settings/RegistryBackendContract.h"
#include "settings/Settings.h"
#include "settings/Win32RegistryBackend.h"

#include <random>
#include <windows.h>
// After <windows.h>, which it needs.
#include <sddl.h>

namespace quorrin::test {
namespace {

// A key of its own under Software in one registry view, removed with everything in it when the object goes.
struct ScratchKey
{
    ScratchKey(HKEY root, REGSAM view,
               std::string keyName = "Quorrin-test-" + std::to_string(std::random_device{}()))
        : name(std::move(keyName))
    {
        ::RegOpenKeyExA(root, "Software", 0, KEY_ALL_ACCESS | view, &software);
    }
    ~ScratchKey()
    {
        ::RegDeleteTreeA(software, name.c_str());
        ::RegCloseKey(software);
    }
    void put(const std::string& subKey, const char* value, DWORD type, const void* data, DWORD size) const
    {
        EXPECT_EQ(::RegSetKeyValueA(software, (name + subKey).c_str(), value, type, data, size),
                  ERROR_SUCCESS);
    }
    std::string path() const { return "Software\\" + name; }

    std::string name;
    HKEY software = nullptr;
};

ContractStore registryStore()
{
    auto key = std::make_shared<ScratchKey>(HKEY_CURRENT_USER, 0);
    return {key, std::make_unique<Win32RegistryBackend>(), key->path()};
}

INSTANTIATE_TEST_SUITE_P(Win32, RegistryBackendContract,
                         testing::Values(ContractBackend{"Win32Registry", registryStore}), contractName);

// Gives a key of the 32-bit machine view the access list `accessList`; its owner may always change it.
void setAccessList(const std::string& keyPath, const char* accessList)
{
    HKEY key = nullptr;
    ASSERT_EQ(::RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, WRITE_DAC | KEY_WOW64_32KEY, &key),
              ERROR_SUCCESS);
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    EXPECT_TRUE(::ConvertStringSecurityDescriptorToSecurityDescriptorA(accessList, SDDL_REVISION_1,
                                                                       &descriptor, nullptr));
    EXPECT_EQ(::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor), ERROR_SUCCESS);
    ::LocalFree(descriptor);
    ::RegCloseKey(key);
}

// The Zone client's key is read in the 32-bit view, where its 32-bit installer writes it, and opened for
// reading only, as a standard user may.
TEST(Win32Registry, machineValuesAreReadInThe32BitViewForReadingOnly)
{
    const ScratchKey view32(HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY);
    const ScratchKey view64(HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY, view32.name);
    if (!view32.software || !view64.software)
        GTEST_SKIP()
            << "HKEY_LOCAL_MACHINE\\Software is not writable here; Wine and administrators can write it";
    const std::string setup = view32.path() + "\\Setup";
    view32.put("\\Setup", "Path", REG_SZ, "C:\\Zone", 8);
    // A 32-bit Windows has one registry view; a 64-bit one keeps the values of 32-bit programs apart.
    BOOL wow64 = FALSE;
    if (sizeof(void*) == 8 || (::IsWow64Process(::GetCurrentProcess(), &wow64) && wow64))
        view64.put("\\Only64", "Path", REG_SZ, "C:\\Zone", 8);
    // Everyone may read the key and do nothing more, as a standard user with the Zone client's key.
    setAccessList(setup, "D:P(A;;KR;;;WD)");
    Win32RegistryBackend registry;
    Global global(registry);
    const RegValue read = Settings(global).read({RegRoot::LocalMachine, setup, "Path", RegType::Sz});
    setAccessList(setup, "D:P(A;;KA;;;WD)"); // so that the scratch key can be removed
    EXPECT_EQ(read, RegValue("C:\\Zone"));
    EXPECT_TRUE(global.ReadRegValue(RegRoot::LocalMachine, view32.path() + "\\Only64", "Path").isEmpty());
}

// A number another program stored as a DWORD, under a name of other letter case, reads as that number.
TEST(Win32Registry, aDwordAnotherProgramWroteReadsAsItsNumberWhateverTheLetterCase)
{
    const ScratchKey key(HKEY_CURRENT_USER, 0);
    const DWORD tip = 7;
    key.put("", "TIPNR", REG_DWORD, &tip, sizeof tip);
    Win32RegistryBackend backend;
    EXPECT_EQ(Global(backend).ReadRegValue(RegRoot::CurrentUser, key.path(), "TipNr"), RegValue(7));
}

} // namespace
} // namespace quorrin::test
