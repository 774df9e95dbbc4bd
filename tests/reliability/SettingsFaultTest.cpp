#include "settings/FileRegistryBackend.h"
#include "settings/Global.h"
#include "support/TempDir.h"
#include "SystemCallFaults.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace quorrin::test {
namespace {

namespace fs = std::filesystem;

const std::string kSettings = "Software\\Quorrin\\Settings";

// Whichever call that writes the settings file fails, the file is the old one or the new one, and the next
// write without a fault is stored. A fault that lasts reaches the store as a failure; one that passes may
// not (a failed sync is no failure), but then the new file is whole.
TEST(SettingsFaults, TheFileIsTheOldOrTheNewOneAtEveryFailingCall)
{
    // Appended to a whole file: nothing, or a damaged key, which the first write keeps aside.
    for (const std::string damage : {"", "[HKEY_CURRENT_USER\\Software\\Quorrin\\Info\r\n\"Version\"="}) {
        SCOPED_TRACE(damage);
        TempDir dir;
        const auto file = dir.path() / "HKEY_CURRENT_USER.reg";
        FileRegistryBackend backend(dir.str());
        for (int i = 0; i < 30; ++i)
            Global(backend).writeText(kSettings, "Value" + std::to_string(i), "text " + std::to_string(i));
        const std::string old = readFile(file) + damage;
        // Sets "Mode", the calls that write failing from the one numbered `failFrom` on; gives the store's
        // status and the number of those calls.
        const auto setMode = [&](std::optional<std::size_t> failFrom = std::nullopt, int error = 0,
                                 SystemCallFaults::Duration duration = SystemCallFaults::FromThenOn) {
            const SystemCallFaults faults(failFrom, error, duration);
            RegHandle key = kNoRegHandle;
            EXPECT_EQ(backend.openKey(RegRoot::CurrentUser, kSettings, KEY_ALL_ACCESS, key), kRegSuccess);
            const std::uint8_t text[] = "Developer";
            const long status = backend.setValue(key, "Mode", 1, text, sizeof text);
            backend.closeKey(key);
            return std::pair{status, faults.calls()};
        };
        const auto reset = [&] {
            fs::remove_all(dir.path());
            dir.write(file.filename(), old);
        };
        // The old bytes are the file, or a copy kept aside.
        const auto oldKept = [&] {
            return std::ranges::any_of(fs::directory_iterator(dir.path()),
                                       [&](const fs::path& entry) { return readFile(entry) == old; });
        };

        reset();
        const auto [status, calls] = setMode();
        ASSERT_EQ(status, kRegSuccess);
        const std::string written = readFile(file);
        ASSERT_GE(calls, 3u) << "the write, the close and the rename are seen";
        for (const auto duration : {SystemCallFaults::FromThenOn, SystemCallFaults::Once}) {
            for (const int error : {ENOSPC, EIO}) {
                for (std::size_t at = 1; at <= calls; ++at) {
                    SCOPED_TRACE("call " + std::to_string(at) + " fails with errno " + std::to_string(error) +
                                 (duration == SystemCallFaults::Once ? ", once" : ", from then on"));
                    reset();
                    const long result = setMode(at, error, duration).first;
                    if (duration == SystemCallFaults::FromThenOn) {
                        EXPECT_NE(result, kRegSuccess);
                    }
                    if (result == kRegSuccess) {
                        EXPECT_EQ(readFile(file), written);
                    } else {
                        EXPECT_TRUE(readFile(file) == old || readFile(file) == written);
                        EXPECT_TRUE(oldKept());
                    }
                    EXPECT_EQ(setMode().first, kRegSuccess);
                    EXPECT_EQ(readFile(file), written);
                }
            }
        }
    }
}

} // namespace
} // namespace quorrin::test
