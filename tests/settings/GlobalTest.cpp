#include "settings/Global.h"

#include "settings/Settings.h"
#include "support/MemoryRegistryBackend.h"

#include <gtest/gtest.h>
#include <vector>

namespace quorrin::test {

// Machine-wide values (the Zone client's folder, the System Information program) are opened for reading
// only, as a standard user may; the program's own values with every right.
TEST(Global, MachineValuesAreOpenedForReadingOnly)
{
    MemoryRegistryBackend memory;
    Global global(memory);
    const Settings settings(global);
    settings.read(schema::kZoneClientPath);
    settings.read(schema::kSystemInfoPath);
    settings.read(schema::kMode);
    EXPECT_EQ(memory.openAccess(), (std::vector<std::uint32_t>{KEY_READ, KEY_READ, KEY_ALL_ACCESS}));
}

} // namespace quorrin::test
