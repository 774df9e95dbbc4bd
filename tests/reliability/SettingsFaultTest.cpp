#include "settings/FileRegistryBackend.h"
#include "settings/Global.h"
#include "support/TempDir.h"
#include "SystemCallFaults.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>

namespace quorrin::test {
namespace {

const std::string kSettings = "Software\\Quorrin\\Settings";

// Whichever call that writes the settings file fails, the file is the old one or the new one, the store
// reports the failure, and the next write without a fault is stored.
TEST(SettingsFaults, TheFileIsTheOldOrTheNewOneAtEveryFailingCall)
{
    const struct
    {
        const char* name;
        std::string damage; // appended to a whole file
    } cases[] = {{"whole", ""}, {"damaged", "[HKEY_CURRENT_USER\\Software\\Quorrin\\Info\r\n\"Version\"="}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const auto file = dir.path() / "HKEY_CURRENT_USER.reg";
        FileRegistryBackend backend(dir.str());
        for (int i = 0; i < 30; ++i)
            Global(backend).writeText(kSettings, "Value" + std::to_string(i), "text " + std::to_string(i));
        const std::string old = readFile(file) + c.damage;
        const auto setMode = [&] {
            RegHandle key = kNoRegHandle;
            EXPECT_EQ(backend.openKey(RegRoot::CurrentUser, kSettings, KEY_ALL_ACCESS, key), kRegSuccess);
            const std::string text = "Developer";
            const long status = backend.setValue(key, "Mode", static_cast<std::uint32_t>(RegType::Sz),
                                                 reinterpret_cast<const std::uint8_t*>(text.c_str()),
                                                 static_cast<std::uint32_t>(text.size() + 1));
            backend.closeKey(key);
            return status;
        };
        const auto reset = [&] {
            for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
                std::filesystem::remove(entry.path());
            dir.write(file.filename(), old);
        };
        // The old bytes are the file, or a copy kept aside.
        const auto oldKept = [&] {
            for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
                if (readFile(entry.path()) == old)
                    return true;
            return false;
        };

        reset();
        std::size_t calls = 0;
        {
            const SystemCallFaults counting;
            ASSERT_EQ(setMode(), kRegSuccess);
            calls = counting.calls();
        }
        const std::string written = readFile(file);
        ASSERT_GE(calls, 3u) << "the write, the close and the rename are seen";
        for (const int error : {ENOSPC, EIO}) {
            for (std::size_t at = 1; at <= calls; ++at) {
                SCOPED_TRACE("call " + std::to_string(at) + " fails with errno " + std::to_string(error));
                reset();
                long status = kRegSuccess;
                {
                    const SystemCallFaults failing(at, error);
                    status = setMode();
                }
                EXPECT_NE(status, kRegSuccess);
                EXPECT_TRUE(readFile(file) == old || readFile(file) == written);
                EXPECT_TRUE(oldKept());
                EXPECT_EQ(setMode(), kRegSuccess);
                EXPECT_EQ(readFile(file), written);
            }
        }
    }
}

} // namespace
} // namespace quorrin::test
